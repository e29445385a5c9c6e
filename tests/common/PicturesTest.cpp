// Pictures read from the program folder: a picture is decoded again when its file changes.
#include "common/Pictures.h"
#include "CampaignFixture.h"
#include "common/Messages.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(Pictures, AChangedFileIsReadAgain) {
    CampaignFolder campaign;
    QStringList problems;
    setProblemSink([&](const QString& m) { problems << m; });
    const QString path = campaign.data("mappa.bmp");
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(path));
    EXPECT_EQ(designPicture(G().DataPath + "\\MAPPA.bmp").pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(designPicture(G().DataPath + "\\mappa.bmp").size(), QSize(4, 3));

    QImage blue(5, 3, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(path));
    EXPECT_EQ(designPicture(G().DataPath + "\\mappa.bmp").pixelColor(0, 0), QColor(Qt::blue));

    QFile::remove(path);
    EXPECT_TRUE(designPicture(G().DataPath + "\\mappa.bmp").isNull());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains("mappa.bmp"));
    setProblemSink({});
}
