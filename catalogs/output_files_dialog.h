#pragma once
// The "Output files" dialog: one text box per catalog, and "Ok", which takes
// the texts, saves the settings file and resolves "default".
#include <QDialog>
#include <QRect>
#include <QSize>
#include <vector>

#include "catalogs/catalogs.h"
#include "platform/modal.h"

class QLineEdit;

namespace catalogs {

struct OutputFilesRow {
    int catalog;
    const char* caption;
    QRect label;
    QRect text;
};

struct OutputFilesLayout {
    const char* object_name;
    QSize client;
    std::vector<OutputFilesRow> rows;
    QRect ok_button;
};

// The converter's dialog for its BBD and PIC catalogs (Form8).
const OutputFilesLayout& converter_output_files_layout();
// The 11M window's dialog for the 11M catalog (Form9).
const OutputFilesLayout& converter_11m_output_files_layout();
// The viewer's dialog (Form7) for its BMP catalog.
const OutputFilesLayout& viewer_output_files_layout();

class OutputFilesDialog : public QDialog {
    Q_OBJECT
  public:
    OutputFilesDialog(const OutputFilesLayout& layout, Catalogs& catalogs, platform::Modal& modal,
                      QWidget* parent = nullptr);

    // Fills each text box with its catalog as it now stands.
    void fill();

  private slots:
    void accept_catalogs();

  private:
    const OutputFilesLayout& layout_;
    Catalogs& catalogs_;
    platform::Modal& modal_;
    std::vector<QLineEdit*> texts_;
};

}  // namespace catalogs
