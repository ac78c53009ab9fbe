// What the extraction pages list, from the page and the frames it holds
// directly; frames of another origin cannot be read and are left out.
(function () {
    function walk(doc) {
        var out = { anchors: [], images: [], objects: [], links: [] };
        var i, list;
        list = doc.getElementsByTagName('a');
        for (i = 0; i < list.length; ++i)
            if (typeof list[i].href === 'string')
                out.anchors.push(list[i].href);
        list = doc.getElementsByTagName('img');
        for (i = 0; i < list.length; ++i)
            out.images.push([list[i].src || '', list[i].getAttribute('alt') || '']);
        list = doc.getElementsByTagName('object');
        for (i = 0; i < list.length; ++i)
            out.objects.push(list[i].outerHTML);
        list = doc.getElementsByTagName('link');
        for (i = 0; i < list.length; ++i)
            out.links.push(list[i].getAttribute('href') || '');
        return out;
    }
    var docs = [walk(document)];
    for (var f = 0; f < window.frames.length; ++f) {
        try {
            var d = window.frames[f].document;
            if (d)
                docs.push(walk(d));
        } catch (e) {
        }
    }
    return { domain: document.domain || '', docs: docs };
})();
