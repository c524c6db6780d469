// The dialogs' editable combo boxes for typed values: a list to choose from, and the text as typed.
#pragma once

class QComboBox;
class QWidget;

namespace qv {

// Makes box editable without inline completion: with it, a typed "4" would be taken as a
// listed "4.500", and Enter in a field whose text is selected (as Tab leaves it) would put
// the list's first value in place of the value shown. Typed texts are not added to the list.
void MakeNumberEntry(QComboBox* box);

}  // namespace qv
