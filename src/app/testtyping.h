#pragma once

class QWidget;

namespace sw {

// For the crash test only: when SHOTWEAVE_TEST_TYPE_TITLE is set, its text is
// typed at the end of the title field ("titleEd") of window through key
// events, as a user types it, so that the change takes the real input path.
// Without the variable it does nothing.
void TypeTestTitleIfAsked(QWidget& window);

} // namespace sw
