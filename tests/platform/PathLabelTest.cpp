// A path too long for its label gives way in its folders' middle; the file's name stays whole.
#include "platform/widgets/PathLabel.h"

#include <gtest/gtest.h>

TEST(PathLabel, KeepsTheStartAndTheWholeNameOfAPathTooLongForIt) {
    const QString folders = QStringLiteral("/home/ann/Documents/Household finances/Bank accounts/Checking/");
    const struct {
        QString name;
        int width;
        bool wholeName;
    } cases[] = {{QStringLiteral("Joint checking.tlx"), 250, true}, {QString(90, u'n'), 200, false}};
    for (const auto& c : cases) {
        platform::PathLabel label;
        label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label.setText(folders + c.name);
        label.resize(c.width, 20);
        const QString shown = label.ShownText();
        SCOPED_TRACE(shown.toStdString());
        EXPECT_LE(label.fontMetrics().horizontalAdvance(shown), label.contentsRect().width());
        EXPECT_TRUE(shown.startsWith(QStringLiteral("/ho")) && shown.contains(QChar(0x2026)));
        EXPECT_EQ(shown.endsWith(QLatin1Char('/') + c.name), c.wholeName);
        label.resize(label.fontMetrics().horizontalAdvance(label.text()) + 40, 20);
        EXPECT_EQ(label.ShownText(), label.text()); // given room again, the whole path comes back
    }
}
