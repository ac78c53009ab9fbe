var TEXT_INPUTS = {text: 1, search: 1, url: 1, email: 1, tel: 1, number: 1};

function frames() {
    return frameElements(document);
}

function refresh() {
    frames().forEach(function (f) {
        try {
            f.contentWindow.location.reload();
        } catch (e) {
            f.src = f.src;
        }
    });
}

function connect(url) {
    frames().forEach(function (f) {
        f.style.visibility = 'visible';
        try {
            f.contentWindow.location.href = url;
        } catch (e) {
            f.src = url;
        }
    });
}

function scroll(top) {
    if (frames().length > 0)
        return;
    var root = document.scrollingElement || document.documentElement;
    window.scrollTo(0, top ? 0 : root.scrollHeight);
}

function linkTips() {
    var count = 0;
    documents().forEach(function (doc) {
        Array.prototype.slice.call(doc.getElementsByTagName('a')).forEach(function (a) {
            a.title = a.href;
            count++;
        });
    });
    return count;
}

// What is typed into a password field is never put on show.
function inputTips() {
    var count = 0;
    documents().forEach(function (doc) {
        Array.prototype.slice.call(doc.getElementsByTagName('input')).forEach(function (input) {
            if (!TEXT_INPUTS[input.type])
                return;
            input.title = input.value;
            count++;
        });
    });
    return count;
}

var result = {frames: frames().map(frameAddress)};
if (args.mode === 'refresh')
    refresh();
else if (args.mode === 'connect')
    connect(args.url);
else if (args.mode === 'scroll')
    scroll(args.top);
else if (args.mode === 'links')
    result.count = linkTips();
else if (args.mode === 'inputs')
    result.count = inputTips();
return result;
