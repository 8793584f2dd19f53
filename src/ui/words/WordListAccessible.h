#pragma once

class QAccessibleEvent;

// Lets assistive technology see a WordListView as a list whose items are its words. The items
// are made only for the rows asked about, so a list of millions costs no more than a short one.
// Safe to call more than once.
void installWordListAccessibility();

// What the lists tell assistive technology goes to QAccessible, or while a sink is set, to the
// sink instead: QAccessible passes nothing on where the platform has no accessibility bridge,
// as on the offscreen one of the tests, not even to an update handler.
using WordListEventSink = void (*)(QAccessibleEvent* event);
WordListEventSink setWordListEventSink(WordListEventSink sink); // returns the previous one
void sendWordListEvent(QAccessibleEvent* event);
