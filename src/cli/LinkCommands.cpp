#include "Commands.h"

#include "Console.h"
#include "ControlRanges.h"
#include "ExitStatus.h"
#include "LinkSession.h"
#include "ParameterComparison.h"
#include "ParameterTable.h"
#include "PortChoice.h"
#include "SetFiles.h"
#include "UnitSearch.h"

namespace commands {

namespace {

// Each storing step of the unit takes about one tick; far more means it hangs.
constexpr int kStoreStatusLimit = 4 * wire::status::kSaveFullCount;

// The header of the unit's column, the word diff takes for it.
const QString kUnitColumn = QStringLiteral("unit");

// Where a Program stopped after page 1, what the unit may now hold.
QString cutShortNote(const LinkSession &session)
{
    return session.programCutShort()
               ? QStringLiteral("; the unit may hold the new set unverified: run verify")
               : QString();
}

// The message for a sequence that did not end Ok, and its exit status.
int reportFailure(const SequenceEnd &end, const LinkSession &session)
{
    const QString &device = session.device();
    if (end.deviceLost) {
        console::error(QStringLiteral("%1 was disconnected").arg(device) + cutShortNote(session));
        return kLinkFailed;
    }
    switch (end.outcome) {
    case Outcome::Ok:
        return kDone;
    case Outcome::ReadProtected:
        console::error(QStringLiteral("the unit's read protection forbids reading its set"));
        return kLinkFailed;
    case Outcome::VersionMismatch:
        console::error(QStringLiteral("the unit keeps data version %1; this program needs %2")
                           .arg(end.unitVersion)
                           .arg(wire::PC_FORMAT_VERSION));
        return kLinkFailed;
    case Outcome::Failed:
        break;
    }
    if (end.exchange == ExchangeEnd::TimedOut) {
        console::error(QStringLiteral("no answer from the unit on %1 (each request sent %2 times)")
                           .arg(device)
                           .arg(PollCycle::kMaxSends));
        return kLinkFailed;
    }
    switch (end.phase) {
    case Phase::Read:
        console::error(QStringLiteral("the unit's answers were refused every time; "
                                      "check the cable and the port"));
        return kLinkFailed;
    case Phase::Program:
        console::error(QStringLiteral("the unit did not store the set as sent"));
        return kDifferent;
    case Phase::Verify:
        break;
    }
    if (end.sequence == SequenceKind::Read || end.sequence == SequenceKind::ReadOnly) {
        console::error(QStringLiteral("the unit's set read differently the second time; "
                                      "check the cable and try again"));
        return kLinkFailed;
    }
    console::error(QStringLiteral("the unit's set differs from the file's"));
    return kDifferent;
}

int interruptedStatus(const LinkSession &session)
{
    console::error(QStringLiteral("interrupted") + cutShortNote(session));
    return kLinkFailed;
}

// Reads the unit's set as it stands; the exit status when that failed.
std::variant<ParameterSet, int> readUnit(LinkSession &session)
{
    ParameterSet unit;
    const std::optional<SequenceEnd> end = session.runSequence(SequenceKind::ReadOnly, unit);
    if (!end)
        return interruptedStatus(session);
    if (end->outcome != Outcome::Ok)
        return reportFailure(*end, session);
    return unit;
}

// Status answers until the unit's storing countdown reaches 0.
int waitStored(LinkSession &session)
{
    console::progress(QStringLiteral("Storing..."));
    int answers = 0;
    const auto end = session.watchStatus([&](const MonitorValues &values) {
        return values.saveCountdown != 0 && ++answers < kStoreStatusLimit;
    });
    switch (end) {
    case LinkSession::WatchEnd::Interrupted:
        console::error(QStringLiteral("interrupted while the unit stored the set: run verify"));
        return kLinkFailed;
    case LinkSession::WatchEnd::NoConnection:
        console::error(QStringLiteral("the unit stopped answering while storing the set"));
        return kLinkFailed;
    case LinkSession::WatchEnd::DeviceLost:
        console::error(QStringLiteral("%1 was disconnected while the unit stored the set: "
                                      "run verify")
                           .arg(session.device()));
        return kLinkFailed;
    case LinkSession::WatchEnd::Done:
        break;
    }
    if (answers >= kStoreStatusLimit) {
        console::error(QStringLiteral("the unit did not finish storing the set"));
        return kLinkFailed;
    }
    console::progress(QStringLiteral("Programmed, verified and stored."));
    return kDone;
}

// The window's Read verifies the unit's set in its normalised form, so a set
// that breaks the range rule ends there in "Verify error!".
bool keepsRangeRule(const ParameterSet &held)
{
    ParameterSet normalised = held;
    normalised.NormaliseParameterSet();
    if (normalised == held)
        return true;
    console::error(QStringLiteral("the unit's set breaks the range rule; the window's Read "
                                  "ends in \"Verify error!\" (the file holds the set as the "
                                  "window shows it)"));
    return false;
}

void printListing(const ParameterSet &image, Naming naming)
{
    if (naming == Naming::Shown) {
        for (const QString &line : parametertable::listing(image))
            console::out(line);
        return;
    }
    for (const auto &parameter : ParameterComparison::namedParameters())
        console::out(ParameterComparison::valueLine(image, parameter));
}

} // namespace

int openSession(std::optional<LinkSession> &session, const QString &portOption)
{
    const bool search = portOption == unitsearch::kAutoPort;
    const std::optional<QString> device =
        search ? unitsearch::findUnit() : choosePortDevice(portOption);
    if (!device)
        return search ? kLinkFailed : kBadUsage;
    session.emplace(*device);
    return session->open() ? kDone : kLinkFailed;
}

int read(const QString &path, const QString &portOption, Naming naming)
{
    const bool toStandardOutput = setfiles::isStandardStream(path);
    if (!toStandardOutput && !setfiles::checkWritable(path))
        return kBadUsage;
    std::optional<LinkSession> session;
    if (const int status = openSession(session, portOption))
        return status;
    const auto unit = readUnit(*session);
    if (const int *status = std::get_if<int>(&unit))
        return *status;
    // The file gets the set as the window shows it after a Read.
    const ParameterSet &held = std::get<ParameterSet>(unit);
    const ParameterSet image = controlranges::setToSend(held);
    setfiles::noteChanges(QStringLiteral("unit"), held, image);
    if (!setfiles::save(path, image))
        return kBadUsage;
    // Standard output carries the file itself then.
    if (!toStandardOutput)
        printListing(image, naming);
    return keepsRangeRule(held) ? kDone : kDifferent;
}

namespace {

// Loads the file's set as the unit will get it, then opens the link; the exit
// status when either fails.
int loadAndOpen(const QString &path, const QString &portOption, std::optional<ParameterSet> &image,
                std::optional<LinkSession> &session)
{
    image = setfiles::loadForUnit(path);
    if (!image)
        return kBadUsage;
    return openSession(session, portOption);
}

} // namespace

int program(const QString &path, const QString &portOption)
{
    std::optional<ParameterSet> image;
    std::optional<LinkSession> session;
    if (const int status = loadAndOpen(path, portOption, image, session))
        return status;
    const std::optional<SequenceEnd> end = session->runSequence(SequenceKind::Program, *image);
    if (!end)
        return interruptedStatus(*session);
    if (end->outcome != Outcome::Ok)
        return reportFailure(*end, *session);
    return waitStored(*session);
}

int verify(const QString &path, const QString &portOption, Naming naming)
{
    std::optional<ParameterSet> image;
    std::optional<LinkSession> session;
    if (const int status = loadAndOpen(path, portOption, image, session))
        return status;
    const std::optional<SequenceEnd> end = session->runSequence(SequenceKind::Verify, *image);
    if (!end)
        return interruptedStatus(*session);
    if (end->outcome == Outcome::Ok) {
        console::out(QStringLiteral("the unit holds the set of %1").arg(setfiles::shownPath(path)));
        return kDone;
    }
    // The unit answered, but with another set: name what differs when the
    // unit lets its set be read, then say so.
    const bool differs = end->outcome == Outcome::Failed && end->exchange == ExchangeEnd::BadAnswer;
    if (!differs)
        return reportFailure(*end, *session);
    ParameterSet unit;
    const std::optional<SequenceEnd> readEnd = session->runSequence(SequenceKind::ReadOnly, unit);
    if (!readEnd)
        return interruptedStatus(*session);
    if (readEnd->outcome == Outcome::Ok &&
        printDifferences(*image, unit, naming, columnName(path), kUnitColumn) == kDone)
        console::progress(QStringLiteral("They differ only in spare bytes, which a parameter file "
                                         "does not hold."));
    else if (readEnd->outcome == Outcome::ReadProtected)
        console::progress(
            QStringLiteral("The unit's read protection hides which parameters differ."));
    return reportFailure(*end, *session);
}

int diffUnit(const QString &path, const QString &portOption, Naming naming)
{
    const std::optional<ParameterSet> file = setfiles::load(path);
    if (!file)
        return kBadUsage;
    std::optional<LinkSession> session;
    if (const int status = openSession(session, portOption))
        return status;
    const auto unit = readUnit(*session);
    if (const int *status = std::get_if<int>(&unit))
        return *status;
    return printDifferences(*file, std::get<ParameterSet>(unit), naming, columnName(path),
                            kUnitColumn);
}

} // namespace commands
