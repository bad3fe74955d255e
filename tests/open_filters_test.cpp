// The picture filters of the open dialog: what the dialog shows for each,
// and which file names each lets through when matched letter case and all,
// as a case-sensitive file dialog (GTK's) matches them.
#include "platform/open_filters.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "platform/qt_text.h"

namespace {

struct Shown {
    QString text;          // what the dialog shows, the patterns hidden
    QStringList patterns;  // what it matches
};

Shown as_dialog_shows(const QString& name_filter) {
    const qsizetype open = name_filter.lastIndexOf(u'(');
    return {name_filter.left(open).trimmed(),
            name_filter.mid(open + 1).chopped(1).split(u' ', Qt::SkipEmptyParts)};
}

bool lets_through(const Shown& filter, const QString& file) {
    for (const QString& pattern : filter.patterns) {
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern));
        if (wildcard.match(file).hasMatch()) return true;
    }
    return false;
}

struct FilterCase {
    const char* shown;
    QStringList through;
    QStringList kept_out;
};

TEST(OpenFilters, DescribedFiltersFirstThenPngThenAllPictures) {
    const QStringList filters = platform::name_filters(
        platform::picture_filter({"bmp", "gif", "jpeg", "jpg", "png", "xpm"}));
    const FilterCase cases[] = {
        {"JPG Files (*.jpg)", {"a.jpg", "A.JPG", "a.jpeg", "a.JPEG", "a.Jpg"}, {"a.png", "ajpg"}},
        {"GIF Files (*.gif)", {"a.gif", "a.GIF"}, {"a.jpg"}},
        {"BMP Files (*.bmp)", {"a.bmp", "a.BMP"}, {"a.gif"}},
        {"PNG Files (*.png)", {"a.png", "a.PNG"}, {"a.bmp"}},
        {"All pictures (*.bmp *.gif *.jpeg *.jpg *.png *.xpm)",
         {"a.bmp", "a.GIF", "a.jpeg", "a.JPG", "a.png", "a.xpm"},
         {"a.pic", "a.11M"}},
    };
    ASSERT_EQ(filters.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Shown filter = as_dialog_shows(filters[i]);
        EXPECT_EQ(filter.text, cases[i].shown);
        for (const QString& file : cases[i].through)
            EXPECT_TRUE(lets_through(filter, file)) << cases[i].shown << " " << file.toStdString();
        for (const QString& file : cases[i].kept_out)
            EXPECT_FALSE(lets_through(filter, file)) << cases[i].shown << " " << file.toStdString();
    }
}

}  // namespace
