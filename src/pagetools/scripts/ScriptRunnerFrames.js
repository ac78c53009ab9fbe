// The frames of a document are its frame and iframe elements; a frame whose
// document the engine keeps from us (another site) still counts as a frame.
function frameElements(doc) {
    return Array.prototype.slice.call(doc.querySelectorAll('frame, iframe'));
}

function frameDocument(element) {
    try {
        return element.contentDocument || null;
    } catch (e) {
        return null;
    }
}

// The top document, then the documents of its frames we can reach.
function documents() {
    var docs = [document];
    frameElements(document).forEach(function (f) {
        var d = frameDocument(f);
        if (d)
            docs.push(d);
    });
    return docs;
}

function frameDocuments() {
    return documents().slice(1);
}

// The address a frame shows, or the one it was given when it is out of reach.
function frameAddress(element) {
    try {
        var w = element.contentWindow;
        if (w && w.location.href && w.location.href !== 'about:blank')
            return w.location.href;
    } catch (e) {
    }
    return element.src || '';
}

function htmlOf(range) {
    var div = range.startContainer.ownerDocument.createElement('div');
    div.appendChild(range.cloneContents());
    return div.innerHTML;
}

// The selection of a document as a range, or null.
function selectionRange(doc) {
    var sel = doc.defaultView ? doc.defaultView.getSelection() : null;
    if (!sel || sel.rangeCount === 0 || sel.isCollapsed)
        return null;
    return sel.getRangeAt(0);
}
