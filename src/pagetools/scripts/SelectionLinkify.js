// Turns a selected bare address into a link. The test is made on the HTML
// text of the selection, so a selection holding tags never qualifies.
function linkify(doc) {
    var range = selectionRange(doc);
    if (!range)
        return 0;
    var text = htmlOf(range);
    if (text.substring(0, args.prefix.length) !== args.prefix)
        return 0;
    var html = '<a href="' + (args.hrefBefore + text).replace(/"/g, '&quot;') + '">' +
               args.textBefore + text + '</a>';
    range.deleteContents();
    range.insertNode(range.createContextualFragment(html));
    return 1;
}

var top = selectionRange(document);
if (top && htmlOf(top))
    return linkify(document);
var changed = 0;
frameDocuments().forEach(function (d) {
    changed += linkify(d);
});
return changed;
