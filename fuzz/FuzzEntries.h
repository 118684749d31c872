#pragma once

#include <QByteArrayView>

#include <array>

// The fuzz targets: each takes one input as libFuzzer or the corpus replay
// hands it over. A target returns normally for any input; a memory fault, an
// undefined operation or a broken invariant (fuzz::require) ends the process.
namespace fuzz {

using Entry = void (*)(QByteArrayView input);

struct Target
{
    const char *name; // also the corpus folder tests/fuzz-corpus/<name>
    Entry entry;
};

void ignReader(QByteArrayView input);
void settingsReader(QByteArrayView input);
void imageReader(QByteArrayView input);
void linkRaw(QByteArrayView input);
void linkSealed(QByteArrayView input);
void rideLogReader(QByteArrayView input);

constexpr std::array<Target, 6> kTargets = {{
    {"ign_reader", &ignReader},
    {"settings_reader", &settingsReader},
    {"image_reader", &imageReader},
    {"link_raw", &linkRaw},
    {"link_sealed", &linkSealed},
    {"ridelog_reader", &rideLogReader},
}};

// The target of that name, or null.
const Target *findTarget(const char *name);

// Aborts with the message when the condition fails, so that libFuzzer keeps
// the input and a replay test fails.
void require(bool condition, const char *what);

} // namespace fuzz
