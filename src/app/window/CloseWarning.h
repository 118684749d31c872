#pragma once

class PollCycle;
class QWidget;
namespace lang {
class MessageTable;
}

// A window closed while a Program has sent page 1 leaves the unit with a set
// nobody has verified: it says so, and what to do, before it goes. Shows
// nothing at any other time.
void warnOfUnverifiedSet(QWidget *window, const PollCycle &link,
                         const lang::MessageTable &messages);
