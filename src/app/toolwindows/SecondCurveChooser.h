#pragma once

#include <QWidget>

#include <functional>

class CurveGraph;
class ParameterSet;
class QComboBox;
class QLabel;

// Where the graph's dashed second curve comes from: none, a .ign file, an
// entry of the history of sets, or the unit (its read-only read), chosen in
// a list; a line beside it names what is shown or why nothing is.
class SecondCurveChooser : public QWidget
{
    Q_OBJECT

public:
    // A path, or empty when the user cancels.
    using ChoosePath = std::function<QString()>;
    // The unit's set, or none with the reason why not.
    using UnitSetTaken = std::function<void(const ParameterSet *set, const QString &failure)>;
    using ReadUnit = std::function<void(const UnitSetTaken &taken)>;
    struct Sources
    {
        ChoosePath file;
        ChoosePath historyEntry;
        ReadUnit unit;
    };

    enum Item
    {
        None,
        File,
        HistoryEntry,
        Unit
    };

    // image is the window's: a file's set starts from it, as Open does.
    SecondCurveChooser(CurveGraph &graph, const ParameterSet &image, QWidget *parent = nullptr);

    void setSources(Sources sources) { m_sources = std::move(sources); }
    void setLanguage(quint8 language);

    // As if the item were chosen in the list.
    void choose(Item item);

private:
    // What the line beside the list says, in a language.
    using Says = std::function<QString(quint8 language)>;
    // The unit's set through the read-only read; a Read, Program or Verify keeps it waiting.
    void readUnit();
    void showFile(const QString &path);
    void showSet(const ParameterSet &set, Says says);
    void showNothing(Says says);
    void showSays();

    CurveGraph &m_graph;
    const ParameterSet &m_image;
    Sources m_sources;
    quint8 m_language = 0;
    QComboBox *m_list = nullptr;
    QLabel *m_says = nullptr;
    Item m_shown = None;
    Says m_saysText; // kept, so that a language change says it again
};
