#include "IgnFile.h"

#include "FileAccess.h"
#include "LinkProtocol.h"
#include "WordReader.h"

#include <QIODevice>

namespace IgnFile {

namespace {

constexpr char kVersionKey[] = "KORVALEN_KEY";
constexpr char kLineEnd[] = "\r\n";

// How a group's numbers relate to the stored bytes.
enum class Scale
{
    Plain,      // the byte itself
    Hundreds,   // 100 rpm units written in rpm
    Tens,       // 10 ms units written in ms
    Flag,       // written as a bare 0 or 1
    Correction, // pulses, then the tachometer correction written signed
};

struct Group
{
    const char *key;
    int width; // columns the key occupies, spaces included
    int position;
    int count;
    Scale scale;
};

// In the order the file holds them.
constexpr Group kGroups[] = {
    {"BIKE", 12, ParameterSet::BIKE, 1, Scale::Plain},
    {"RPM_ADV", 12, ParameterSet::RPM_ADV, ParameterSet::kCurvePoints, Scale::Hundreds},
    {"ADVANCE", 12, ParameterSet::ADVANCE, ParameterSet::kCurvePoints, Scale::Plain},
    {"POCET_BODU", 12, ParameterSet::POCET_BODU, 1, Scale::Plain},
    {"BASE_ADV", 12, ParameterSet::BASE_ADV, 1, Scale::Plain},
    {"LIMITER", 12, ParameterSet::LIMITER, 3, Scale::Plain},
    {"POLARITA", 12, ParameterSet::POLARITA, 1, Scale::Plain},
    {"GEBER_NR", 12, ParameterSet::GEBER_NR, 1, Scale::Plain},
    {"PILOT_LIGHT", 18, ParameterSet::PILOT_LIGHT, 1, Scale::Hundreds},
    {"REV_OUT_PILOT_LIGHT", 19, ParameterSet::REV_OUT_PILOT_LIGHT, 1, Scale::Flag},
    {"CLUTCH", 12, ParameterSet::CLUTCH, 2, Scale::Tens},
    {"NO_READING", 13, ParameterSet::NO_READING, 1, Scale::Flag},
    {"RPM", 12, ParameterSet::RPM, 2, Scale::Correction},
    {"INPUT", 12, ParameterSet::INPUT, 2, Scale::Plain},
};

constexpr int kCorrectionOffset = 100;

QByteArray field(int value, int columns)
{
    return QByteArray::number(value).rightJustified(columns, ' ') + ' ';
}

QByteArray groupFields(const Group &group, const ParameterSet &image)
{
    QByteArray text;
    for (int i = 0; i < group.count; ++i) {
        const quint8 stored = image.at(group.position + i);
        switch (group.scale) {
        case Scale::Plain:
            text += field(stored, 5);
            break;
        case Scale::Hundreds:
            text += field(stored * 100, 5);
            break;
        case Scale::Tens:
            text += field(stored * 10, 5);
            break;
        case Scale::Flag:
            text += stored ? "   1" : "   0";
            break;
        case Scale::Correction:
            text += field(i == 0 ? stored : stored - kCorrectionOffset, 5);
            break;
        }
    }
    return text;
}

quint8 storedValue(Scale scale, int index, quint32 number)
{
    switch (scale) {
    case Scale::Hundreds:
        return quint8((number & 0xFFFF) / 100);
    case Scale::Tens:
        return quint8((number & 0xFFFF) / 10);
    case Scale::Correction:
        return quint8(index == 0 ? number : number + kCorrectionOffset);
    case Scale::Plain:
    case Scale::Flag:
        break;
    }
    return quint8(number);
}

const Group *groupFor(QByteArrayView word)
{
    for (const Group &group : kGroups) {
        if (word == QByteArrayView(group.key))
            return &group;
    }
    return nullptr;
}

// Numbers are read as the Windows program reads them: a number that cannot
// be read repeats the last one read, and the word that stopped it is taken
// as the next key.
class NumberSource
{
public:
    explicit NumberSource(WordReader &reader) : m_reader(reader) {}

    quint32 next()
    {
        if (const auto number = m_reader.nextNumber(WordReader::Sign::Allowed))
            m_last = *number;
        return m_last;
    }

private:
    WordReader &m_reader;
    quint32 m_last = 0;
};

bool findVersion(WordReader &reader, NumberSource &numbers)
{
    for (QByteArrayView word = reader.nextWord(); !word.isEmpty(); word = reader.nextWord()) {
        if (word == QByteArrayView(kVersionKey) &&
            (numbers.next() & 0xFFFF) == wire::PC_FORMAT_VERSION)
            return true;
    }
    return false;
}

bool loadText(QByteArrayView text, ParameterSet &image)
{
    WordReader reader(text);
    NumberSource numbers(reader);
    if (!findVersion(reader, numbers))
        return false;
    for (QByteArrayView word = reader.nextWord(); !word.isEmpty(); word = reader.nextWord()) {
        const Group *group = groupFor(word);
        if (!group)
            continue;
        for (int i = 0; i < group->count; ++i)
            image.set(group->position + i, storedValue(group->scale, i, numbers.next()));
    }
    return true;
}

} // namespace

QList<Key> keys()
{
    QList<Key> list;
    for (const Group &group : kGroups)
        list.append({group.key, group.position, group.count});
    return list;
}

QByteArray parameterFileText(const ParameterSet &image)
{
    QByteArray text = QByteArray(kVersionKey) + "  ";
    text += QByteArray::number(wire::PC_FORMAT_VERSION).rightJustified(3, ' ') + ' ';
    text += kLineEnd;
    for (const Group &group : kGroups) {
        text += kLineEnd;
        text += QByteArray(group.key).leftJustified(group.width, ' ');
        text += groupFields(group, image);
    }
    return text;
}

bool SaveParameterFile(QIODevice &file, const ParameterSet &image)
{
    const QByteArray text = parameterFileText(image);
    return file.write(text) == text.size();
}

bool LoadParameterFile(QIODevice &file, ParameterSet &image)
{
    return loadText(fileaccess::readCapped(file), image);
}

bool save(const QString &path, const ParameterSet &image)
{
    return fileaccess::writeAtomically(path, parameterFileText(image),
                                       fileaccess::Folder::MustExist);
}

LoadResult load(const QString &path, ParameterSet &image)
{
    const auto text = fileaccess::readFile(path);
    if (!text)
        return LoadResult::CannotOpen;
    return loadText(*text, image) ? LoadResult::Loaded : LoadResult::VersionRefused;
}

} // namespace IgnFile
