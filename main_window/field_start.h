// A single-line field that does not have the focus shows the start of its
// text, as a caption would: at start-up, after a choice from a list, after a
// fill or an insertion, and once the focus leaves it. A field scrolled to the
// end of a text a little wider than itself would hide its first letters.
#pragma once

class QWidget;

namespace relwiz {

// For every line edit and editable combo box below `root`.
void show_field_starts(QWidget* root);

}  // namespace relwiz
