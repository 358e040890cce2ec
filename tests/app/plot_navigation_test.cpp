// Region arithmetic of the plot window, the set check and the colour sequence.
#include <gtest/gtest.h>

#include "AppTest.h"
#include "COrvantaDoc.h"
#include "PlotColours.h"
#include "PlotFunctionSet.h"
#include "PlotMessages.h"
#include "PlotRegion.h"

namespace {
using PlotNavigation::closingRegion;
namespace M = PlotMessages;

void expectRegion(const std::optional<PlotRegion>& got, PlotRegion want) {
    ASSERT_TRUE(got.has_value());
    EXPECT_DOUBLE_EQ(got->xmin, want.xmin);
    EXPECT_DOUBLE_EQ(got->xmax, want.xmax);
    EXPECT_DOUBLE_EQ(got->ymin, want.ymin);
    EXPECT_DOUBLE_EQ(got->ymax, want.ymax);
}

TEST(PlotNavigation, ZoomStepsAndClamps) {
    const PlotRegion start{-5, 5, -5, 5};
    const auto in1 = PlotNavigation::zoom(start, 1, {}, 480, 640);
    expectRegion(in1, {-2.5, 2.5, -2.5, 2.5});
    expectRegion(PlotNavigation::zoom(*in1, 1, {}, 480, 640), {-1.25, 1.25, -1.25, 1.25});
    expectRegion(PlotNavigation::zoom(start, -1, {}, 480, 640), {-7.5, 7.5, -7.5, 7.5});
    expectRegion(PlotNavigation::zoom({-900, 900, -900, 900}, -1, {}, 480, 640), {-999, 999, -999, 999});
    // A selection: columns 120..360 of 480 and rows 160..480 of 640.
    expectRegion(PlotNavigation::zoom(start, 1, {120, 360, 160, 480}, 480, 640), {-2.5, 2.5, -2.5, 2.5});
    // A selection that would invert the region is ignored.
    EXPECT_FALSE(PlotNavigation::zoom(start, 1, {120, 120, 160, 480}, 480, 640));
    // The wheel keeps the point under the pointer.
    expectRegion(PlotNavigation::zoomAbout(start, 1, 1.0, 0.0), {0, 5, 0, 5});
}

TEST(PlotNavigation, MovesWithinLimits) {
    const PlotRegion start{-5, 5, -5, 5};
    expectRegion(PlotNavigation::move(start, -1, 0), {-7, 3, -5, 5});
    expectRegion(PlotNavigation::move(start, 0, 1), {-5, 5, -3, 7});
    EXPECT_FALSE(PlotNavigation::move({-999, 0, -5, 5}, -1, 0));
}

TEST(PlotNavigation, HistoryTogglesAndReturnsToFirst) {
    PlotRegionHistory h({-5, 5, -5, 5});
    h.take({-2.5, 2.5, -2.5, 2.5});
    h.take({-1, 1, -1, 1});
    h.toLast();
    EXPECT_EQ(h.current(), (PlotRegion{-2.5, 2.5, -2.5, 2.5}));
    h.toLast();
    EXPECT_EQ(h.current(), (PlotRegion{-1, 1, -1, 1}));
    h.toFirst();
    EXPECT_EQ(h.current(), (PlotRegion{-5, 5, -5, 5}));
}

TEST(PlotNavigation, ClosingRegionTakesSmallIntegerParts) {
    expectRegion(closingRegion({-2.5, 2.5, -2.5, 2.5}), {-2, 2, -2, 2});
    EXPECT_FALSE(closingRegion({-0.5, 0.5, -0.5, 0.5}));
    EXPECT_FALSE(closingRegion({-150, 5, -5, 5}));
    EXPECT_FALSE(closingRegion({-5, 100, -5, 5}));
}

TEST(PlotColours, GeneratedSequence) {
    PlotColourSequence blueStart(0, 0, 255);
    EXPECT_EQ(blueStart.next(), QColor(255, 0, 255));
    const QColor sixth = blueStart.next();
    EXPECT_LT(sixth.red(), 50);
    PlotColourSequence blackStart(0, 0, 0);
    EXPECT_EQ(blackStart.next(), QColor(255, 0, 0));
    EXPECT_EQ(blackStart.next(), QColor(0, 100, 255));
    EXPECT_EQ(blackStart.next(), QColor(255, 100, 255));
    PlotColourSequence mono(0, 0, 255, true);
    EXPECT_EQ(mono.next(), QColor(Qt::black));
}

class PlotSetTest : public AppTest {};

TEST_F(PlotSetTest, SetCheckMessagesInOrder) {
    COrvantaDoc doc(store());
    auto check = [&](const std::wstring& f, std::wstring& message) { return doc.checkFunction(f, message); };
    std::wstring unknownY;
    doc.checkFunction(L"f(y)=x+1", unknownY);
    struct Case {
        std::wstring current;
        std::vector<std::wstring> list;
        std::wstring message; // empty: the set passes
    };
    const Case cases[] = {
        {L"f(x)=", {}, engineText(M::NO_FUNCTION_SPECIFIED)},
        {L"f(x)=1", {}, L""},
        {L"f(x)=x", {L"z=f(x,y)=x*y"}, engineText(M::MIX_3D_2D)},
        {L"z=f(x,y)=x*y", {L"f(x)=x"}, L""},
        {L"", {L"z=f(x,y)=x*y", L"z=f(x,y)=x+y"}, engineText(M::ONE_3D)},
        {L"f(t,x)=t*x", {L"f(x)=x"}, engineText(M::ONE_FAMILY)},
        {L"f(y)=x+1", {}, unknownY},
        {L"f(x,y)=1=x^2+y^2", {}, L""},
        {L"f(t)=[x:=t;y:=t;t:=0..1]", {L"f(t)=[x:=t;y:=2*t;t:=0..1]"}, engineText(M::ONE_PARAMETRIC)},
        {L"z(n+1)=z(n)^2+(-1+0*j)", {L"f(x)=x"}, engineText(M::MIX_2D_FRACTAL)},
        {L"z(n+1)=z(n)^2+z(0);z(0)=x", {}, engineText(M::INVALID_FUNCTION)},
        {L"z(n+1)=z(n)^2+z(0);z(0)=1+2*j", {}, L""},
    };
    for (const Case& c : cases) {
        const auto refused = PlotFunctions::checkSet({c.current, c.list}, check);
        EXPECT_EQ(refused.value_or(L""), c.message) << QString::fromStdWString(c.current).toStdString();
    }
    std::wstring message;
    EXPECT_FALSE(doc.checkFunction(L"g(x)=1", message));
    EXPECT_EQ(PlotFunctions::checkSet({L"g(x)=1", {}}, check).value_or(L""), message);
}

TEST(PlotFunctionSet, KindOfSet) {
    struct Case {
        PlotFunctionSet set;
        PlotKind kind;
    };
    const Case cases[] = {
        {{L"f(x)=x", {L"f(x,y)=1=x*y"}}, PlotKind::TwoD},
        {{L"", {L"z=f(x,y)=x*y"}}, PlotKind::Surface3D},
        {{L"f(x)=x", {L"f(n)=n"}}, PlotKind::Sequence},
        {{L"f(t)=[x:=t;y:=t;t:=0..1]", {}}, PlotKind::Parametric},
        {{L"f(t)=p=[t;t:=0..1]", {}}, PlotKind::Polar},
        {{L"z(n+1)=z(n)^2", {}}, PlotKind::Fractal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlotFunctions::kindOf(c.set), c.kind);
}
} // namespace
