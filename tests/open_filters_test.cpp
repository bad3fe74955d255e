// The picture filters of the open dialog: what the dialog shows for each,
// and which file names each lets through when matched letter case and all,
// as a case-sensitive file dialog (GTK's) matches them.
#include "platform/open_filters.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>

#include "platform/qt_text.h"

namespace {

TEST(OpenFilters, DescribedFiltersFirstThenPngThenAllPictures) {
    const QStringList filters = platform::name_filters(
        platform::picture_filter({"bmp", "gif", "jpeg", "jpg", "png", "xpm"}));
    // what the dialog shows (the patterns hidden), names let through, names kept out
    const std::tuple<QString, QStringList, QStringList> cases[] = {
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
        const auto& [text, through, kept_out] = cases[i];
        const qsizetype open = filters[i].lastIndexOf(u'(');
        EXPECT_EQ(filters[i].left(open).trimmed(), text);
        const QStringList patterns = filters[i].mid(open + 1).chopped(1).split(u' ');
        const auto lets_through = [&](const QString& file) {
            return std::any_of(patterns.begin(), patterns.end(), [&](const QString& pattern) {
                const auto wildcard = QRegularExpression::wildcardToRegularExpression(pattern);
                return QRegularExpression(wildcard).match(file).hasMatch();
            });
        };
        for (const QString& file : through) EXPECT_TRUE(lets_through(file)) << file.toStdString();
        for (const QString& file : kept_out) EXPECT_FALSE(lets_through(file)) << file.toStdString();
    }
}

}  // namespace
