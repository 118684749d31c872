#pragma once

#include "EngineModel.h"
#include "ParameterSet.h"
#include "SimFrame.h"
#include "UnitInfo.h"
#include "UnitStatus.h"

#include <QString>

#include <optional>

struct UnitOptions
{
    UnitIdentity identity;
    bool readProtected = false; // page 0 forbids reading whatever page 1 says
    bool eeDataError = false;
    int progCount = 0;
    int saveStepMs = wire::kTickMs; // one step of the storing countdown
};

// What the unit keeps and how it answers: its identification page, the stored
// parameter page, how often it was programmed and its storing countdown.
class UnitModel
{
public:
    explicit UnitModel(const UnitOptions &options);

    void setPage1(const Page &page) { m_image.setPage(1, page.data()); }
    const ParameterSet &image() const { return m_image; }
    int progCount() const { return m_progCount; }
    int saveCountdown(qint64 nowMs) const;

    struct Answer
    {
        std::optional<Frame> frame; // none for a request the unit does not know
        QString note;               // what the unit did, for the request log
    };
    // Handles one good request frame. Test values go into status answers as given.
    Answer handle(const Frame &request, const EngineState &engine, qint64 nowMs,
                  const std::array<quint16, wire::status::TEST_VALUE_COUNT> &testValues);

private:
    Page page0() const;

    UnitOptions m_options;
    ParameterSet m_image;
    int m_progCount = 0;
    std::optional<qint64> m_saveStartMs;
};
