#pragma once

// The numbered commands every menu, toolbar, accelerator, gesture and pane sends to the
// main frame. The numbers are kept as the original program's, so INI files, the
// toolbar-visibility keys and the generated pages stay interchangeable with it.
enum class CommandId : int {
    None = 0, // no command: only the command states may have changed
    Ok = 1,   // the address bar's Enter

    // Favourites menu: one id per favourite, 3584 + its number.
    FavoriteFirst = 3584,
    FavoriteLast = 4095,

    TextSizeSmallest = 32769,
    TextSizeSmaller = 32770,
    TextSizeMedium = 32771,
    TextSizeLarger = 32772,
    TextSizeLargest = 32773,
    GoBack = 32774,
    Stop = 32775,
    GoHome = 32776,
    Refresh = 32777,
    SelectAll = 32778,
    GoForward = 32779,
    GlobalScript = 32780,
    GlobalJava = 32781,
    GlobalActiveXRun = 32782,
    GlobalActiveXDownload = 32783,
    GlobalCookies = 32784,
    GlobalSessionCookies = 32785,
    PrivacyBlockAll = 32786,
    PrivacyHigh = 32787,
    PrivacyMediumHigh = 32788,
    PrivacyMedium = 32789,
    PrivacyLow = 32790,
    PrivacyAcceptAll = 32791,
    BrowserOptions = 32792,
    PrintPreview = 32793,
    PageSetup = 32794,
    PageProperties = 32795,
    Online = 32799,
    Offline = 32800,
    ViewSource = 32801,
    EncodingMenu = 32805,
    Connect = 32808,
    Search = 32810,
    ViewStatusBar = 32811,
    ViewAddressBar = 32812,
    ViewSearchBar = 32813,
    TabClose = 32814,
    ViewTabBar = 32815,
    TabCloseAll = 32816,
    TabCloseRight = 32817,
    TabCloseLeft = 32818,
    TabMoveRight = 32819,
    TabMoveLeft = 32820,
    LocalScript = 32823,
    LocalJava = 32824,
    LocalActiveXRun = 32825,
    LocalActiveXDownload = 32826,
    ShowImages = 32827,
    PlayVideos = 32828,
    PlaySounds = 32829,
    NoCache = 32830,
    StopAll = 32833,
    RefreshAll = 32834,
    FileClose = 32835,
    FindInPage = 32844,
    HighlightSearch = 32845,
    TabLock = 32847,
    OrganizeFavorites = 32849,
    AddFavorite = 32850,
    AddSearchSite = 32852,
    WebSearch = 32853,
    CgiProxyConnect = 32854,
    UrlSecurity = 32857,
    LocalAllOn = 32858,
    LocalAllOff = 32859,
    ReopenClosedTab = 32860,
    Settings = 32861,
    FileNew = 32862,
    TranslateInfoseekEnJa = 32863,
    HideChildTabs = 32864,
    ClearAddressHistory = 32865,
    ClearSearchHistory = 32866,
    ZelvoMultimedia = 32867,
    HideToTray = 32868,
    RestoreLastSession = 32869,
    SourcePreview = 32875,
    ClearLastClosedTab = 32876,
    FavoritesHtmlCreate = 32877,
    FavoritesHtmlOpen = 32878,
    ProxySettings = 32880,
    Proxy1 = 32881,
    Proxy2 = 32882,
    ProxyDirect = 32883,
    Proxy3 = 32886,
    SuppressDialogs = 32887,
    SuppressMailto = 32888,
    SelectionSource = 32889,
    UpdateUserAgent = 32890,
    RefreshFrames = 32891,
    ConnectFrames = 32892,
    SplitFrames = 32893,
    ForbiddenUrlList = 32894,
    AddPageToForbiddenUrls = 32895,
    ToggleAllBars = 32896,
    ForbiddenUrlFilter = 32899,
    ClearIeHistory = 32900,
    ProxySystem = 32902,
    ExtractLinks = 32903,
    CompleteCom = 32905,
    CompleteCoJp = 32906,
    CompleteNeJp = 32907,
    ExtractImages = 32908,
    ImageZoomIn = 32910,
    ImageZoomOut = 32911,
    SelectionSearch = 32917,
    ScrollTop = 32918,
    ScrollBottom = 32920,
    StatusUrlOnly = 32925,
    SelectionLinkAddresses = 32926,
    FollowWindowTab = 32930,
    WindowTabsTopBottom = 32931,
    WindowTabsShow = 32933,
    WindowTabsHide = 32934,
    ExtractIeHistory = 32935,
    MaximizeView = 32936,
    ForbiddenTitleList = 32941,
    AddPageToForbiddenTitles = 32942,
    RefreshCompletely = 32943,
    ExtractTodayHistory = 32947,
    BackHistoryPage = 32948,
    ForwardHistoryPage = 32949,
    PrivacyReport = 32954,
    PrintPage = 32956,
    ExtractGif = 32960,
    ExtractJpeg = 32961,
    ExtractPng = 32962,
    NavigateLock = 32963,
    ImageZoomIn2x = 32964,
    ImageZoomOut2x = 32965,
    ForbiddenTitleFilter = 32967,
    SelectionLinkify = 32968,
    SelectionRepairTtp = 32970,
    SelectionRepairWww = 32971,
    MosaicFilter = 32975,
    TranslateExciteEnJa = 32978,
    AlwaysMosaicFilter = 32980,
    MouseGestures = 32981,
    ShowImageSizes = 32984,
    PocketAddAddress = 32985,
    PocketClear = 32986,
    PocketAddSelectionLinks = 32987,
    PocketAddSelectionText = 32989,
    PocketRun = 32990,
    PocketAddClipboard = 32992,
    ExtractFlash = 32993,
    FavoritesHtmlAtStart = 32997,
    ShowImageAddresses = 32999,
    FocusAddressBar = 33000,
    FocusSearchWords = 33001,
    FocusSearchSites = 33002,
    ViewDockingBar = 33003,
    FavOpenHere = 33004,
    FavOpenNewTab = 33005,
    FavOpenCgiProxy = 33006,
    FavTranslate = 33007,
    ClearTemporaryFiles = 33008,
    ClearCookies = 33009,
    LinkToolTips = 33010,
    TranslateExciteJaEn = 33023,
    // Status-bar buttons whose control ids lie in the command range; not commands.
    StatusButtonCookie = 33027,
    StatusButtonScript = 33029,
    StatusButtonJava = 33031,
    ExtractStyleSheets = 33033,
    InputToolTips = 33035,
    ClearClosedTabHistory = 33037,
    FileOpen = 33039,
    FavDelete = 33040,
    AutoRefresh1m = 33042,
    AutoRefresh5m = 33043,
    AutoRefresh10m = 33044,
    AutoRefresh30s = 33045,
    AutoRefreshOff = 33046,
    ShowFavoritesFolder = 33048,
    AuthorHomePage = 33049,
    FormFill = 33052,
    GroupItemDelete = 33053,
    GroupRun = 33054,
    GroupDeleteAll = 33055,
    GroupItemRun = 33056,
    OpenUrl = 33057,
    FormRegister = 33058,
    FavAddToGroup = 33059,
    SwapPages = 33061,
    SearchHistory = 33062,
    PocketRunChecked = 33065,
    HighlightSearchAllTabs = 33066,
    EncodingJapaneseAuto = 33067,
    EncodingEucJp = 33068,
    EncodingShiftJis = 33069,
    ChildMinimize = 33077,
    ChildRestore = 33078,
    ChildMaximize = 33079,
    CustomizeStyleSheet = 33081,
    SiteCookieInfo = 33082,
    SiteCookieBlock = 33083,
    SiteCookieAccept = 33084,
    SiteCookieDelete = 33085,

    // Internal frame commands: nothing in a menu issues them.
    NextTab = 37000,
    PreviousTab = 37001,
    TabCaptions = 37002,
    RefreshTabLabels = 37003,
    MenuBarButton = 37004,
    ReloadSearchSites = 37006,
    HistoryLoad = 37008,
    HistorySave = 37009,
    WindowTabsFlipTop = 37010,
    WindowTabsFlipIcons = 37011,
    FollowFocusedWindowTab = 37012,
    ViewHandOverA = 37013,
    TimerForbiddenTitles = 37014, // a timer id, not a command
    ViewHandOverB = 37015,
    ViewHandOverC = 37016,
    TimerAutoRefresh = 37018, // a timer id, not a command

    // Stored forms of the form auto-fill menu, 37101 + position.
    FormFirst = 37101,
    FormLast = 37150,

    // Items copied from the engine's encoding menu into the encoding pop-up.
    EncodingFirst = 37201,
    EncodingLast = 37261,

    // Standard application, file, edit, window and help commands.
    FileNewUnlimited = 57600,
    FileOpenStandard = 57601,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    RecentFile1 = 57616,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    EditRedo = 57644,
    WindowArrangeIcons = 57649,
    WindowCascade = 57650,
    WindowTile = 57651,
    AppAbout = 57664,
    AppExit = 57665,
    HelpIndex = 57670,
    ViewToolbar = 59392,
    StatusBar = 59393,             // the status bar's own window id
    SearchSitePlaceHolder = 59395, // search toolbar slot that carries the search-site box

    // Window ids that share the numbering: the top bands and the status bar's panes.
    BandToolbar = 59402,
    BandAddress = 59403,
    BandSearch = 59404,
    BandTabs = 59405,
    StatusPane1 = 33026,
    StatusPane2 = 33028,
    StatusPane3 = 61446,
    StatusPane4 = 61447,
    StatusPane5 = 61449,
    StatusPane6 = 63006,
    StatusPane7 = 63008,
    StatusKana = 59142,
    StatusScrollLock = 59139,

    // The nine menu-bar buttons; they open their menus and do nothing as commands.
    MenuBarFile = 61450,
    MenuBarEdit = 61451,
    MenuBarView = 61452,
    MenuBarFavorites = 61453,
    MenuBarGo = 61454,
    MenuBarSecurity = 61455,
    MenuBarTools = 61456,
    MenuBarWindow = 61457,
    MenuBarHelp = 61458,

    // Steps of the toolbar's back and forward drop-downs.
    Back1 = 63000,
    Back2 = 63001,
    Back3 = 63002,
    Forward1 = 63003,
    Forward2 = 63004,
    Forward3 = 63005,
};

constexpr int ToInt(CommandId id)
{
    return static_cast<int>(id);
}

constexpr int kRecentFileCount = 4;

constexpr bool IsFavoriteCommand(int id)
{
    return id >= ToInt(CommandId::FavoriteFirst) && id <= ToInt(CommandId::FavoriteLast);
}
constexpr int FavoriteCommand(int number)
{
    return ToInt(CommandId::FavoriteFirst) + number;
}
constexpr int FavoriteNumber(int id)
{
    return id - ToInt(CommandId::FavoriteFirst);
}

constexpr bool IsFormCommand(int id)
{
    return id >= ToInt(CommandId::FormFirst) && id <= ToInt(CommandId::FormLast);
}
constexpr int FormCommand(int position)
{
    return ToInt(CommandId::FormFirst) + position;
}
constexpr int FormPosition(int id)
{
    return id - ToInt(CommandId::FormFirst);
}

constexpr bool IsEncodingCommand(int id)
{
    return id >= ToInt(CommandId::EncodingFirst) && id <= ToInt(CommandId::EncodingLast);
}

constexpr bool IsRecentFileCommand(int id)
{
    return id >= ToInt(CommandId::RecentFile1) &&
           id < ToInt(CommandId::RecentFile1) + kRecentFileCount;
}

constexpr bool IsMenuBarButton(int id)
{
    return id == ToInt(CommandId::MenuBarButton) ||
           (id >= ToInt(CommandId::MenuBarFile) && id <= ToInt(CommandId::MenuBarHelp));
}

constexpr bool IsBackForwardStep(int id)
{
    return id >= ToInt(CommandId::Back1) && id <= ToInt(CommandId::Forward3);
}
