#pragma once
// The About window (frmAbout) of both programs: the program's icon, name and
// version, a notice, a description, an etched separator and "OK", which is
// both the default button (Enter) and the cancel button (Esc).
#include <QDialog>

class QLabel;

namespace platform {

struct AboutTexts {
    const char* caption;
    const char* version;
    const char* notice;
    const char* description;
    const char* icon;  // resource path of the program's 32 x 32 icon
};

class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(const AboutTexts& texts);

    void set_texts(const AboutTexts& texts);

  private:
    QLabel* icon_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* notice_ = nullptr;
    QLabel* description_ = nullptr;
};

}  // namespace platform
