// The single-line text fields of the page and of every frame it can reach, in
// document order: the page's own first, then each frame's, depth first.
// With values null, gives back their texts; otherwise gives field n the value
// values[n - 1] (empty past the end), fires the events pages listen for, and
// gives back how many fields there were.
(function (values) {
  'use strict';
  var textTypes = ['text', 'password', 'search', 'email', 'url', 'tel', 'number'];

  function walk(doc, out) {
    var inputs = doc.querySelectorAll('input');
    for (var i = 0; i < inputs.length; ++i) {
      if (textTypes.indexOf(inputs[i].type) >= 0)
        out.push(inputs[i]);
    }
    var frames = doc.querySelectorAll('iframe, frame');
    for (var j = 0; j < frames.length; ++j) {
      var inner = null;
      try {
        inner = frames[j].contentDocument;
      } catch (e) {
        inner = null;
      }
      // A frame of another site keeps its fields to itself.
      if (inner)
        walk(inner, out);
    }
    return out;
  }

  var fields = walk(document, []);
  if (values === null)
    return fields.map(function (field) { return field.value; });
  fields.forEach(function (field, i) {
    field.value = i < values.length ? String(values[i]) : '';
    field.dispatchEvent(new Event('input', {bubbles: true}));
    field.dispatchEvent(new Event('change', {bubbles: true}));
  });
  return fields.length;
})
