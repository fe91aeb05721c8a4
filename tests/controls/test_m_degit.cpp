#include "DigitReader.h"
#include "controls/M_Degit.h"
#include "controls/PropertyBag.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>
#include <QComboBox>
#include <QDialog>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using controls::DegitValue;
using controls::M_Degit;
using controls::PropertyBag;

namespace {

constexpr base::OleColor Red = 0x0000FF;
constexpr base::OleColor Blue = 0xFF0000;
constexpr base::OleColor Black = 0x000000;

// A fare cell as the panel has it, recoloured so that lit pixels are easy to tell apart.
std::unique_ptr<M_Degit> cell(int16_t keta = 4)
{
    auto d = std::make_unique<M_Degit>();
    d->setDegitStyle(1);
    d->setKeta(keta);
    d->setBackColor(Black);
    d->setBaseForeColor(Blue);
    d->setDegitForeColor(Red);
    return d;
}

QString shown(const M_Degit &d)
{
    return DigitReader(d.DegitStyle(), d.DegitSize(), d.DegitForeColor()).read(d.surface());
}

bool unlitRowComplete(const M_Degit &d)
{
    // Every cell carries the dim "8": some pixel of the unlit colour family in each cell.
    const QSize c = M_Degit::cellSize(d.DegitSize());
    for (int i = 0; i < d.surface().width() / c.width(); ++i) {
        int blue = 0;
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width(); ++x)
                blue += qBlue(d.surface().pixel(i * c.width() + x, y)) > 128 ? 1 : 0;
        if (blue < 5)
            return false;
    }
    return true;
}

} // namespace

TEST(DegitDrawing, ShowsFaresRightAlignedOverTheUnlitRow)
{
    auto d = cell();
    d->setValue(230);
    EXPECT_EQ(shown(*d), QStringLiteral(" 230"));
    EXPECT_TRUE(unlitRowComplete(*d));
    d->setValue(12345);
    EXPECT_EQ(shown(*d), QStringLiteral("2345"));
    d->setValue(-1);
    d->setZeroMode(4); // stored as 0
    EXPECT_EQ(d->ZeroMode(), 0);
}

TEST(DegitDrawing, ZeroModesDecideBetweenBlankAndZero)
{
    auto d = cell();
    d->setValue(0);
    EXPECT_EQ(shown(*d), QStringLiteral("    "));
    EXPECT_TRUE(unlitRowComplete(*d));

    d->setZeroMode(1);
    d->setValue(0);
    EXPECT_EQ(shown(*d), QStringLiteral("   0"));
    d->setValue(QString());
    EXPECT_EQ(shown(*d), QStringLiteral("   0"));

    d->setZeroMode(2);
    d->setValue(0);
    EXPECT_EQ(shown(*d), QStringLiteral("    "));
    d->setValue(-1);
    EXPECT_EQ(shown(*d), QStringLiteral("   0"));

    d->setZeroMode(3);
    for (const DegitValue &v : {DegitValue(-1), DegitValue(0), DegitValue(QString())}) {
        d->setValue(v);
        EXPECT_EQ(shown(*d), QStringLiteral("   0"));
    }

    d->setZeroMode(0);
    d->setValue(-1);
    EXPECT_EQ(shown(*d), QStringLiteral("  -1"));
}

TEST(DegitDrawing, ZeroFillShiftAndTheirOrder)
{
    auto clock = cell(2);
    clock->setFillZero(2);
    clock->setValue(7);
    EXPECT_EQ(shown(*clock), QStringLiteral("07"));

    auto d = cell();
    d->setShift(1);
    d->setValue(120);
    EXPECT_EQ(shown(*d), QStringLiteral("120 "));

    // Zero fill comes after zero substitution: a blanked 0 stays blank.
    auto z = cell();
    z->setFillZero(2);
    z->setValue(0);
    EXPECT_EQ(shown(*z), QStringLiteral("    "));
    z->setZeroMode(1);
    z->setValue(0);
    EXPECT_EQ(shown(*z), QStringLiteral("  00"));
}

// A data step assigns every fare cell; a cell whose picture stays the same is not drawn again.
TEST(DegitDrawing, ARedrawOfTheSamePictureLeavesTheSurfaceAlone)
{
    auto d = cell();
    d->setValue(230);
    const qint64 fare = d->surface().cacheKey();
    d->setValue(230);
    d->setValue(DegitValue("230"));
    d->setDegitForeColor(Red);
    d->setZeroMode(1); // changes only what a zero would show
    d->setValue(230);
    EXPECT_EQ(d->surface().cacheKey(), fare);
    EXPECT_EQ(shown(*d), QStringLiteral(" 230"));

    d->setZeroMode(0);
    d->setValue(0);
    const qint64 blank = d->surface().cacheKey();
    EXPECT_NE(blank, fare);
    EXPECT_EQ(shown(*d), QStringLiteral("    "));
    d->setValue(DegitValue(QString())); // the empty text is blank as well
    EXPECT_EQ(d->surface().cacheKey(), blank);

    d->setBaseForeColor(0x00FF00); // another unlit colour is another picture
    const qint64 green = d->surface().cacheKey();
    EXPECT_NE(green, blank);
    d->setValue(230);
    EXPECT_NE(d->surface().cacheKey(), green);
    EXPECT_EQ(shown(*d), QStringLiteral(" 230"));
}

// A new picture repaints only where it differs from the one before; what the window shows is
// still the cell's whole picture after every kind of change.
TEST(DegitDrawing, TheWindowShowsThePictureAfterEveryChange)
{
    QWidget window;
    window.resize(80, 30);
    auto *d = new M_Degit(&window);
    d->setDegitStyle(1);
    window.show();
    for (int i = 0; i < 100 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents();
    const auto onWindow = [&] {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return window.screen()->grabWindow(window.winId(), 0, 0, d->width(), d->height()).toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const std::vector<std::function<void()>> changes = {
        [&] { d->setValue(1230); }, [&] { d->setValue(1240); }, [&] { d->setValue(7); },
        [&] { d->ResetDegit(-1); }, [&] { d->setValue(7); }, [&] { d->setDegitForeColor(Blue); },
        [&] { d->setKeta(3); }, [&] { d->setValue(88); },
        [&] { d->setBackColor(0x00FF00); }, [&] { d->setDegitSize(1); },
        [&] { d->setValue(DegitValue(QStringLiteral("-1"))); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i]();
        EXPECT_EQ(onWindow(), d->surface()) << "after change " << i;
    }
}

TEST(DegitDrawing, SettingsWithoutRedrawShowAtTheNextRedraw)
{
    auto d = cell();
    d->setValue(5);
    const QImage before = d->surface();
    d->setZeroMode(1);
    d->setShift(2);
    d->setFillZero(3);
    EXPECT_EQ(d->surface(), before);
    d->setValue(5);
    EXPECT_EQ(shown(*d), QStringLiteral("05  "));
}

TEST(DegitDrawing, LampTestLightsEverySegmentAndKeepsTheSettings)
{
    auto d = cell();
    d->setShift(2);
    d->setZeroMode(2);
    d->setFillZero(3);
    d->ResetDegit(-1);
    EXPECT_EQ(shown(*d), QStringLiteral("8888"));
    EXPECT_EQ(d->Value(), DegitValue(QStringLiteral("8888")));
    EXPECT_EQ(d->Shift(), 2);
    EXPECT_EQ(d->ZeroMode(), 2);
    EXPECT_EQ(d->FillZero(), 3);

    d->ResetDegit(0);
    EXPECT_EQ(shown(*d), QStringLiteral("    "));
    EXPECT_EQ(d->Value(), DegitValue(QString()));
    EXPECT_EQ(d->Shift(), 2);
}

TEST(DegitProperties, AssignmentsAreNormalised)
{
    auto d = cell();
    d->setFillZero(6);
    EXPECT_EQ(d->FillZero(), 4);
    d->setShift(9);
    EXPECT_EQ(d->Shift(), 3);
    d->setShift(-2);
    EXPECT_EQ(d->Shift(), 0);
    d->setZeroMode(5);
    EXPECT_EQ(d->ZeroMode(), 0);
    d->setZeroMode(-3);
    EXPECT_EQ(d->ZeroMode(), -3);
    d->setKeta(0);
    EXPECT_EQ(d->Keta(), 4);
    d->setKeta(16);
    EXPECT_EQ(d->Keta(), 4);
    d->setDegitSize(7);
    EXPECT_EQ(d->DegitSize(), 0);
    EXPECT_EQ(d->surface().size(), QSize(52, 20));
    d->setDegitSize(2);
    d->setKeta(3);
    EXPECT_EQ(d->surface().size(), QSize(57, 29));
}

TEST(DegitProperties, EverySetterReportsItsName)
{
    auto d = cell();
    QStringList names;
    QObject::connect(d.get(), &M_Degit::propertyChanged, [&](const QString &n) { names << n; });
    d->setBaseForeColor(1);
    d->setDegitForeColor(2);
    d->setFillZero(1);
    d->setZeroMode(1);
    d->setShift(1);
    d->setKeta(4);
    d->setDegitSize(0);
    d->setDegitStyle(0);
    d->setValue(1);
    d->setUserSet(false);
    d->setBackColor(3);
    EXPECT_EQ(names, QStringList({"BaseForeColor", "DegitForeColor", "FillZero", "ZeroMode", "Shift", "Keta",
                                  "DegitSize", "DegitStyle", "Value", "UserSet", "BackColor"}));
}

TEST(DegitProperties, StoredPropertiesRoundTripWithTheirDefaults)
{
    M_Degit fresh;
    PropertyBag bag;
    fresh.WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty()) << bag.names().join(u',').toStdString();
    EXPECT_EQ(fresh.BaseForeColor(), 9868950u);
    EXPECT_EQ(fresh.DegitForeColor(), 7525112u);
    EXPECT_EQ(fresh.Keta(), 4);
    EXPECT_TRUE(fresh.UserSet());

    auto d = cell();
    d->setFillZero(2);
    d->setValue(QStringLiteral("00012"));
    PropertyBag stored;
    d->WriteProperties(stored);
    EXPECT_EQ(stored.names(), QStringList({"BaseForeColor", "DegitForeColor", "FillZero", "DegitStyle", "Value",
                                           "BackColor"}));
    M_Degit back(stored);
    EXPECT_EQ(back.DegitStyle(), 1);
    EXPECT_EQ(back.FillZero(), 2);
    EXPECT_EQ(back.Value(), DegitValue(QStringLiteral("00012")));
    EXPECT_EQ(back.BackColor(), Black);
}

TEST(DegitProperties, BadStoredValuesDrawWithoutCrashing)
{
    PropertyBag bag;
    bag.with(QStringLiteral("Keta"), -3).with(QStringLiteral("FillZero"), -5).with(QStringLiteral("DegitForeColor"), Red);
    M_Degit d(bag);
    EXPECT_EQ(d.Keta(), -3); // taken as stored
    d.setValue(42);
    // No cell is drawn for a negative count: nothing is lit.
    EXPECT_TRUE(DigitReader(0, 0, Red).nothingLit(d.surface()));

    PropertyBag fill;
    fill.with(QStringLiteral("FillZero"), -5).with(QStringLiteral("DegitForeColor"), Red);
    M_Degit f(fill);
    f.setValue(42);
    EXPECT_EQ(DigitReader(0, 0, Red).read(f.surface()), QStringLiteral("  42"));
}

TEST(DegitSettingsDialog, ConfirmedValuesAreTakenAndShown)
{
    auto d = cell();
    d->setValue(7);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox *>(QStringLiteral("zeroMode"))->setCurrentIndex(1);
        dialog->findChild<QSpinBox *>(QStringLiteral("shift"))->setValue(1);
        dialog->findChild<QSpinBox *>(QStringLiteral("fillZero"))->setValue(2);
        dialog->accept();
    });
    EXPECT_EQ(d->ShowSetDlg(), 1);
    EXPECT_EQ(d->ZeroMode(), 1);
    EXPECT_EQ(d->Shift(), 1);
    EXPECT_EQ(d->FillZero(), 2);
    EXPECT_EQ(shown(*d), QStringLiteral(" 07 "));
}

TEST(DegitSettingsDialog, CancelledDialogStillHandsBackItsValues)
{
    auto d = cell();
    d->setValue(3);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    EXPECT_EQ(d->ShowSetDlg(), 0);
    EXPECT_EQ(shown(*d), QStringLiteral("   3"));
}

TEST(DegitFonts, EveryGlyphHasTheCellAdvanceAtEverySize)
{
    const QString glyphs = QStringLiteral("0123456789- 8");
    for (int16_t style : {0, 1, 2}) {
        for (int16_t size : {0, 1, 2, 3}) {
            const QFont font = M_Degit::digitFont(style, size, true);
            const QFontMetricsF metrics(font);
            for (QChar c : glyphs)
                EXPECT_EQ(metrics.horizontalAdvance(c), M_Degit::cellSize(size).width())
                    << "style " << style << " size " << size << " '" << QString(c).toStdString() << "'";
            EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("8888")), 4 * M_Degit::cellSize(size).width());
        }
    }
}

TEST(DegitFonts, TheThreeStylesLookDifferent)
{
    auto a = cell();
    a->setDegitStyle(0);
    a->ResetDegit(-1);
    auto b = cell();
    b->ResetDegit(-1);
    auto c = cell();
    c->setDegitStyle(2);
    c->ResetDegit(-1);
    EXPECT_NE(a->surface(), b->surface());
    EXPECT_NE(b->surface(), c->surface());
    EXPECT_NE(a->surface(), c->surface());
}
