#pragma once

class QLabel;
class QString;

// Names a label that shows changing text (a count, a clue, a cell) for assistive technology by
// what it is, so that the name stays while the text changes; the shown text is the label's
// description and value. Safe to call again, as after another language was loaded.
void giveStableName(QLabel* label, const QString& name);
