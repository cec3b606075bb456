#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "support/GlobalsFixture.h"
#include "ui/SubtitleGridDelegate.h"

namespace {

class GridDelegateTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.cds.create();
        model.setTimeBase(QStringLiteral("Time"));
        addRow(QStringLiteral("00:00:02,000"), QString(40, u'x'));             // red
        addRow(QStringLiteral("00:00:02,000"), QStringLiteral("a|b|c"));       // green
        addRow(QStringLiteral("00:00:01,400"), QStringLiteral("rövid"));       // silver
        addRow(QStringLiteral("00:00:02,000"), QStringLiteral("rendes sor"));  // plain
        grid.setRowCount(6);  // two rows more than the table
        grid.setColumnCount(4);
    }
    void addRow(const QString &end, const QString &text)
    {
        model.cds.append();
        model.cds.setField(Field::Kezdes, QStringLiteral("00:00:01,000"));
        model.cds.setField(Field::Befejezes, end);
        writeRowText(model, text, false, false, false);
    }
    // Paints column 3 of a grid row into an image and reads a corner pixel.
    QRgb paintedColour(int row)
    {
        QImage image(60, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = QStyle::State_Enabled;
        delegate.paint(&painter, option, grid.index(row, 3));
        painter.end();
        return image.pixel(2, 2) & 0xFFFFFF;
    }
    EditorModel model;
    QStandardItemModel grid;
    SubtitleGridDelegate delegate{model};
};

TEST_F(GridDelegateTest, PaintsTheRowColours)
{
    delegate.setColouring(true, true);
    EXPECT_EQ(paintedColour(0), 0xFF0000u);
    EXPECT_EQ(paintedColour(1), 0x008000u);
    EXPECT_EQ(paintedColour(2), 0xC0C0C0u);
    EXPECT_EQ(paintedColour(3), 0xFFFFFFu);
    EXPECT_EQ(paintedColour(5), 0xFFFFFFu);  // beyond the table: standard drawing

    delegate.setColouring(false, false);
    EXPECT_EQ(paintedColour(0), 0xFFFFFFu);
    EXPECT_EQ(paintedColour(2), 0xC0C0C0u);

    model.setTimeBase(QStringLiteral("Frame"));
    EXPECT_EQ(paintedColour(2), 0xFFFFFFu);
}

// The row number of row 100,000 fits its 44-pixel column whole, in a
// smaller font; a short one keeps the grid's font.
TEST_F(GridDelegateTest, RowNumbersFitTheirColumnWhole)
{
    struct Probe : SubtitleGridDelegate {
        using SubtitleGridDelegate::SubtitleGridDelegate;
        using SubtitleGridDelegate::initStyleOption;
    } delegate(model);
    QStandardItemModel numbers(1, 2);
    QFont font = QApplication::font();
    for (const char *text : {"7", "100000", "1000000"}) {
        numbers.setData(numbers.index(0, 0), QString::fromLatin1(text));
        QStyleOptionViewItem opt;
        opt.rect = QRect(0, 0, 44, 20);
        opt.font = font;
        opt.fontMetrics = QFontMetrics(font);
        delegate.initStyleOption(&opt, numbers.index(0, 0));
        const int margin = QApplication::style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        EXPECT_EQ(opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, 44 - 2 * margin), opt.text)
            << text;
        if (QByteArray(text) == "7")
            EXPECT_EQ(opt.font, font);
    }
}

}  // namespace
