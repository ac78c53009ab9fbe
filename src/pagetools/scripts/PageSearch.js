// Find-next and colour search work on one document: a framed page is searched
// in its last frame (the last one we can reach).
function targetDocument() {
    var frames = frameElements(document);
    for (var i = frames.length - 1; i >= 0; --i) {
        var d = frameDocument(frames[i]);
        if (d && d.body)
            return d;
    }
    return document;
}

var SKIPPED = {SCRIPT: 1, STYLE: 1, NOSCRIPT: 1, TEMPLATE: 1, TEXTAREA: 1};

function blockOf(node, cache) {
    var e = node.parentNode;
    if (cache.has(e))
        return cache.get(e);
    var block = e;
    while (block.parentNode && block.nodeType === 1 &&
           /^inline/.test(block.ownerDocument.defaultView.getComputedStyle(block).display))
        block = block.parentNode;
    cache.set(e, block);
    return block;
}

// The body's text as one string, and where each text node begins in it.
// Text of different blocks is kept apart by a line break, so that words at
// the end of one block and the start of the next do not run together.
function bodyText(doc) {
    var pieces = [], text = '';
    var body = doc.body;
    if (!body)
        return {text: '', pieces: pieces};
    var blocks = new Map(), lastBlock = null;
    var walker = doc.createTreeWalker(body, 4 /* SHOW_TEXT */, {
        acceptNode: function (n) {
            for (var p = n.parentNode; p && p !== body; p = p.parentNode)
                if (SKIPPED[p.nodeName])
                    return 2; // FILTER_REJECT
            return 1;
        }
    });
    for (var n = walker.nextNode(); n; n = walker.nextNode()) {
        var block = blockOf(n, blocks);
        if (lastBlock && block !== lastBlock)
            text += '\n';
        lastBlock = block;
        pieces.push({node: n, start: text.length});
        text += n.data;
    }
    return {text: text, pieces: pieces};
}

// Whole words: a word that begins or ends with a letter or digit must not
// touch another one there. Case does not matter.
function wordPattern(word) {
    var escaped = word.replace(/[.*+?^${}()|[\]\\\/]/g, '\\$&');
    var w = /[A-Za-z0-9_]/;
    var before = w.test(word.charAt(0)) ? '(?<![A-Za-z0-9_])' : '';
    var after = w.test(word.charAt(word.length - 1)) ? '(?![A-Za-z0-9_])' : '';
    return new RegExp(before + escaped + after, 'gi');
}

function pieceAt(model, pos) {
    var lo = 0, hi = model.pieces.length - 1;
    while (lo < hi) {
        var mid = (lo + hi + 1) >> 1;
        if (model.pieces[mid].start <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    return model.pieces[lo];
}

function rangeOf(doc, model, start, end) {
    var a = pieceAt(model, start), b = pieceAt(model, end - 1);
    var r = doc.createRange();
    r.setStart(a.node, start - a.start);
    r.setEnd(b.node, end - b.start);
    return r;
}

function find(doc) {
    var model = bodyText(doc);
    var from = 0;
    var bookmarkMoved = false;
    if (args.bookmark >= 0 && args.bookmarkUrl === doc.URL && args.bookmark < model.text.length) {
        from = args.bookmark + 1;
        bookmarkMoved = true;
    }
    var re = wordPattern(args.word);
    re.lastIndex = from;
    var m = re.exec(model.text);
    if (!m)
        return {found: false, bookmarkMoved: bookmarkMoved};
    var range = rangeOf(doc, model, m.index, m.index + m[0].length);
    var sel = doc.defaultView.getSelection();
    sel.removeAllRanges();
    sel.addRange(range);
    doc.defaultView.scrollBy(0, range.getBoundingClientRect().top);
    return {found: true, bookmark: m.index, url: doc.URL};
}

function removeMarks(doc) {
    Array.prototype.slice.call(doc.getElementsByTagName('span')).forEach(function (span) {
        if (span.id !== args.id || !span.parentNode)
            return;
        while (span.firstChild)
            span.parentNode.insertBefore(span.firstChild, span);
        span.parentNode.removeChild(span);
    });
    if (doc.body)
        doc.body.normalize();
}

function mark(doc, node, start, end) {
    var middle = node.splitText(start);
    middle.splitText(end - start);
    var span = doc.createElement('span');
    span.id = args.id;
    span.setAttribute('style', args.style);
    middle.parentNode.insertBefore(span, middle);
    span.appendChild(middle);
    if (args.word === ' ')
        middle.data = '\u00a0';
}

function highlight(doc) {
    removeMarks(doc);
    var model = bodyText(doc);
    var re = wordPattern(args.word);
    var found = [];
    for (var m = re.exec(model.text); m; m = re.exec(model.text)) {
        found.push([m.index, m.index + m[0].length]);
        if (m[0].length === 0)
            re.lastIndex++;
    }
    // Back to front, so the places still to mark keep their offsets.
    for (var i = found.length - 1; i >= 0; --i) {
        var s = found[i][0], e = found[i][1];
        var parts = model.pieces.filter(function (p) {
            return p.start < e && p.start + p.node.data.length > s;
        });
        for (var j = parts.length - 1; j >= 0; --j) {
            var p = parts[j];
            mark(doc, p.node, Math.max(s - p.start, 0), Math.min(e - p.start, p.node.data.length));
        }
    }
    return {count: found.length};
}

var target = targetDocument();
return args.mode === 'find' ? find(target) : highlight(target);
