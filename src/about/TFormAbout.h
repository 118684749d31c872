#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TFormAbout;
}

// The about box: maker's logo and contact lines, the program's build stamp,
// and a caption in the language that is current whenever the box is shown.
// Made when About is first chosen and kept, shown modally with exec(); the
// logo is drawn when the box is first shown.
class TFormAbout : public QDialog
{
    Q_OBJECT

public:
    // Asked for the language index (0 English, 1 German, 2 French, 3 Czech)
    // each time the box is shown.
    using LanguageSource = std::function<quint8()>;

    explicit TFormAbout(LanguageSource language, QWidget *parent = nullptr);
    ~TFormAbout() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void Button1Click();
    void showLogo();

    std::unique_ptr<Ui::TFormAbout> m_ui;
    LanguageSource m_language;
};
