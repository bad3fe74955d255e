#include "catalogs/output_files_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "catalogs/settings_io.h"
#include "platform/ok_button.h"
#include "platform/qt_text.h"

namespace catalogs {

const OutputFilesLayout& converter_output_files_layout() {
    static const OutputFilesLayout layout{
        "Form8",
        {312, 199},
        {{bbd_catalog, "Catalog for BBD files:", {8, 30, 297, 17}, {8, 48, 297, 19}},
         {pic_catalog, "Catalog for PIC files:", {8, 94, 297, 17}, {8, 112, 297, 19}}},
        {126, 152, 65, 25}};
    return layout;
}

const OutputFilesLayout& viewer_output_files_layout() {
    static const OutputFilesLayout layout{
        "Form7",
        {312, 125},
        {{bmp_catalog, "Catalog for BMP files:", {8, 22, 297, 17}, {8, 40, 297, 19}}},
        {123, 80, 68, 25}};
    return layout;
}

const OutputFilesLayout& converter_11m_output_files_layout() {
    static const OutputFilesLayout layout{
        "Form9",
        {312, 136},
        {{m11_catalog, "Catalog for 11M files:", {8, 32, 297, 17}, {8, 48, 297, 19}}},
        {126, 88, 65, 25}};
    return layout;
}

OutputFilesDialog::OutputFilesDialog(const OutputFilesLayout& layout, Catalogs& catalogs,
                                     platform::Modal& modal, QWidget* parent)
    : QDialog(parent), layout_(layout), catalogs_(catalogs), modal_(modal) {
    setObjectName(layout.object_name);
    setWindowTitle("Output files");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(layout.client);
    int number = 1;
    for (const auto& row : layout.rows) {
        const QString suffix = QString::number(number++);
        auto* label = new QLabel(row.caption, this);
        label->setObjectName("Label" + suffix);
        label->setGeometry(row.label);
        auto* text = new QLineEdit(this);
        text->setObjectName("Text" + suffix);
        text->setAccessibleName(QString(row.caption).chopped(1));
        text->setGeometry(row.text);
        label->setBuddy(text);
        texts_.push_back(text);
    }
    connect(platform::add_ok_button(*this, layout.ok_button), &QPushButton::clicked, this,
            &OutputFilesDialog::accept_catalogs);
    fill();
}

void OutputFilesDialog::fill() {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i]->setText(platform::name_to_qt(catalogs_.value(layout_.rows[i].catalog)));
    }
}

void OutputFilesDialog::accept_catalogs() {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        catalogs_.take_typed(layout_.rows[i].catalog, platform::name_from_qt(texts_[i]->text()));
    }
    save_settings(catalogs_.settings_path(), catalogs_, modal_);
    for (const auto& row : layout_.rows) use_default_folder(catalogs_, row.catalog);
    close();
}

}  // namespace catalogs
