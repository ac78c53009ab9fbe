// The selection of the top document; when it has none, that of the frames,
// the last frame's reading being the one used.
function read(doc) {
    var range = selectionRange(doc);
    var anchors = Array.prototype.slice.call(doc.getElementsByTagName('a')).map(function (a) {
        return a.href;
    });
    return {
        text: range ? range.toString() : '',
        html: range ? htmlOf(range) : '',
        url: doc.URL,
        anchors: anchors
    };
}

var reading = read(document);
if (!reading.text)
    frameDocuments().forEach(function (d) {
        reading = read(d);
    });
return reading;
