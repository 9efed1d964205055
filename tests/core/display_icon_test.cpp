#include <gtest/gtest.h>

#include <string>

#include "display/core/IconPicture.h"

namespace orvane {
namespace {

// Concrete, distinct colours for every role, so that a golden names each pixel's role.
const IconColors kColors{RgbColor(1, 1, 1), RgbColor(2, 2, 2), RgbColor(4, 4, 4),
                         RgbColor(5, 5, 5), RgbColor(6, 6, 6), RgbColor(7, 7, 7)};
const PixelLegend kLegend = {{'.', kTransparentKey},    {'#', kColors.Font},
                             {'o', kColors.Background}, {'-', kColors.BarBackground},
                             {'g', kColors.Green},      {'y', kColors.Yellow},
                             {'r', kColors.Red},        {'m', kStripPaper}};

constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

OrvaneOptions Percent() {
    OrvaneOptions o;
    o.ShowPercentage = true;
    o.TransBk = false;
    o.StandardGauge = false;
    o.FullBar = false;
    return o;
}

MemorySnapshot Load(std::uint32_t load) {
    MemorySnapshot s;
    s.MemoryLoad = load;
    s.TotalPhys = s.TotalPageFile = 16 * kGiB;
    s.AvailPhys = s.AvailPageFile = 8 * kGiB;
    return s;
}

int IconSizeAt(int dpi) {
    return dpi == 120 ? 20 : dpi == 144 ? 24 : 16;
}

std::string Render(const OrvaneOptions& o, const MemorySnapshot& s, int dpi = 96,
                   const NumberSeparators& sep = {}) {
    const int n = IconSizeAt(dpi);
    PixelBuffer canvas(n, n);
    DigitStrips strips;
    PixelBuffer glyph;
    DrawIconPicture(canvas, o, s.MemoryLoad, MakeIconText(o, s, sep, dpi), kColors, dpi, strips,
                    glyph);
    return FormatPixelRows(canvas, kLegend);
}

// Drops the indentation of a raw-string golden.
std::string Rows(std::string_view golden) {
    std::string out;
    for (const char ch : golden) {
        if (ch != ' ') {
            out += ch;
        }
    }
    return out.substr(out.find_first_not_of('\n'));
}

TEST(IconPicture, PercentWithSignOpaque) {
    EXPECT_EQ(Render(Percent(), Load(45)), Rows(R"(
        gggggggooooooooo
        gggggggooooooooo
        gggggggooooooooo
        gggggggooooooooo
        oooooooooooooooo
        oooooooooooooooo
        oooooooooooooooo
        #oo#oo###ooooooo
        #oo#o#oooo##oooo
        #oo#o#oooo##oo#o
        #oo#o#ooooooo#oo
        ####oo##oooo#ooo
        ooo#oooo#oo#oooo
        ooo#oooo#o#oo##o
        ooo#oooo#oooo##o
        ooo#o###oooooooo
    )"));
}

TEST(IconPicture, FourCharactersUseTheNarrowStrip) {
    EXPECT_EQ(Render(Percent(), Load(100)), Rows(R"(
        rrrrrrrrrrrrrrro
        rrrrrrrrrrrrrrro
        rrrrrrrrrrrrrrro
        rrrrrrrrrrrrrrro
        oooooooooooooooo
        oooooooooooooooo
        oooooooooooooooo
        ooo#ooo#ooo#oooo
        ooo#oo#o#o#o#ooo
        oo##oo#o#o#o#oo#
        ooo#oo#o#o#o#ooo
        ooo#oo#o#o#o#ooo
        ooo#oo#o#o#o#oo#
        ooo#oo#o#o#o#ooo
        ooo#ooo#ooo#oooo
        oooooooooooooooo
    )"));
}

TEST(IconPicture, DecimalDotAndGaugeLinesOnTransparentBackground) {
    OrvaneOptions o;  // used memory, transparent, full bar with gauge lines at 3, 6, 9, 12, 15
    MemorySnapshot s = Load(33);
    s.AvailPhys = s.TotalPhys - 5615669740;  // 5.23 GiB used
    EXPECT_EQ(Render(o, s), Rows(R"(
        ggg.g-.--.--.--.
        ggg.g-.--.--.--.
        ggg.g-.--.--.--.
        ggg.g-.--.--.--.
        ................
        ................
        ................
        .###...###..###.
        #.........#....#
        #.........#....#
        #.........#....#
        .##.....##..###.
        ...#...#.......#
        ...#...#.......#
        ...#...#.......#
        ###..#..###.###.
    )"));
}

TEST(IconPicture, BarAtTheBottomWithOpaqueGauge) {
    OrvaneOptions o = Percent();
    o.BarBottom = true;
    o.StandardGauge = true;
    o.FullBar = true;
    o.ShowPercSign = false;
    EXPECT_EQ(Render(o, Load(7)), Rows(R"(
        oooo####oooooooo
        ooooooo#oooooooo
        ooooooo#oooooooo
        oooooo#ooooooooo
        oooooo#ooooooooo
        ooooo#oooooooooo
        ooooo#oooooooooo
        oooo#ooooooooooo
        oooo#ooooooooooo
        oooooooooooooooo
        oooooooooooooooo
        g--o--o--o--o--o
        g--o--o--o--o--o
        g--o--o--o--o--o
        g--o--o--o--o--o
        oooooooooooooooo
    )"));
}

TEST(IconPicture, PlacesAt120And144Dpi) {
    EXPECT_EQ(Render(Percent(), Load(45), 120), Rows(R"(
        gggggggggooooooooooo
        gggggggggooooooooooo
        gggggggggooooooooooo
        gggggggggooooooooooo
        gggggggggooooooooooo
        oooooooooooooooooooo
        oooooooooooooooooooo
        oooooooooooooooooooo
        oooooooooooooooooooo
        #ooo#oo####ooooooooo
        #ooo#o#ooooooooooooo
        #ooo#o#ooooo##oooooo
        #ooo#o#ooooo##ooo#oo
        #####o#ooooooooo#ooo
        oooo#oo###ooooo#oooo
        oooo#ooooo#ooo#ooooo
        oooo#ooooo#oo#oooooo
        oooo#ooooo#o#oo##ooo
        oooo#ooooo#oooo##ooo
        oooo#o####oooooooooo
    )"));
    EXPECT_EQ(Render(Percent(), Load(45), 144), Rows(R"(
        ggggggggggoooooooooooooo
        ggggggggggoooooooooooooo
        ggggggggggoooooooooooooo
        ggggggggggoooooooooooooo
        ggggggggggoooooooooooooo
        ggggggggggoooooooooooooo
        ggggggggggoooooooooooooo
        oooooooooooooooooooooooo
        oooooooooooooooooooooooo
        oooooooooooooooooooooooo
        o##oo##oo#####oooooooooo
        o##oo##o######oooooooooo
        o##oo##o##ooooo##ooooooo
        o##oo##o##ooooo##ooooooo
        o##oo##o##oooooooooo#ooo
        o##oo##o##ooooooooo##ooo
        o######o#####ooooo##oooo
        o######o######ooo##ooooo
        ooooo##ooooo##oo##oooooo
        ooooo##ooooo##o##ooooooo
        ooooo##ooooo##o#oooooooo
        ooooo##ooooo##ooooo##ooo
        ooooo##o######ooooo##ooo
        ooooo##o#####ooooooooooo
    )"));
}

// The glyph places of every text length, pasted by hand from the strips.
TEST(IconPicture, GlyphPlacesPerLength) {
    struct Case {
        int dpi;
        const wchar_t* text;
        int row;
        std::vector<int> xs;
    } cases[] = {
        {96, L"8", 7, {4}},
        {96, L"88", 7, {3, 9}},
        {96, L"888", 7, {0, 5, 10}},
        {96, L"8888", 7, {2, 6, 10, 14}},
        {120, L"8", 9, {7}},
        {120, L"88", 9, {3, 9}},
        {120, L"888", 9, {0, 6, 12}},
        {120, L"8888", 9, {2, 6, 10, 14}},
        {144, L"8", 10, {7}},
        {144, L"88", 10, {3, 9}},
        {144, L"888", 10, {0, 7, 14}},
        {144, L"8888", 10, {2, 6, 10, 14}},
    };
    for (const Case& c : cases) {
        const int n = IconSizeAt(c.dpi);
        DigitStrips strips;
        PicClip& strip = strips.GetPicClip(c.xs.size() == 4 ? 4 : 3, c.dpi);
        PixelBuffer expected(n, n, kTransparentKey);
        for (const int x : c.xs) {
            PixelBuffer glyph = strip.GetCell(8);
            glyph.ReplaceColor(kStripInk, kColors.Font);
            expected.DrawTransparent(glyph, x, c.row, kStripPaper);
        }
        PixelBuffer canvas(n, n, kTransparentKey);
        PixelBuffer scratch;
        IconText text{c.text, 0, true, c.text};
        DrawStripDigits(canvas, OrvaneOptions{}, text, kColors.Font, c.dpi, strips, scratch);
        EXPECT_EQ(FormatPixelRows(canvas, kLegend), FormatPixelRows(expected, kLegend))
            << c.dpi << " " << c.xs.size();
    }
}

TEST(IconPicture, BarLengthAtTheEdges) {
    struct Case {
        std::uint32_t load;
        bool transBk, gauge;
        int barRight;
    } cases[] = {{0, false, false, 1},   {0, true, true, 1},   {93, false, false, 14},
                 {94, false, false, 15}, {94, true, true, 15}, {94, true, false, 16},
                 {100, true, false, 16}};
    for (const Case& c : cases) {
        OrvaneOptions o;
        o.TransBk = c.transBk;
        o.StandardGauge = c.gauge;
        EXPECT_EQ(ComputeIconGeometry(o, c.load, 16, 96).BarRight, c.barRight) << c.load;
    }
}

TEST(IconPicture, NinetyFourPercentReachesTheLastColumnOnlyWhenTransparentWithoutGauge) {
    OrvaneOptions o = Percent();
    EXPECT_EQ(Render(o, Load(94)).substr(0, 17), "rrrrrrrrrrrrrrro\n");
    o.TransBk = true;
    EXPECT_EQ(Render(o, Load(94)).substr(0, 17), "rrrrrrrrrrrrrrrr\n");
    o.StandardGauge = true;
    EXPECT_EQ(Render(o, Load(94)).substr(0, 17), "rrr.rr.rr.rr.rr.\n");
}

TEST(IconPicture, FullBarOnTransparentBackgroundStopsBeforeTheLastGaugeColumn) {
    OrvaneOptions o = Percent();
    o.TransBk = true;
    o.FullBar = true;
    EXPECT_EQ(Render(o, Load(0)).substr(0, 17), "g---------------\n");
    o.StandardGauge = true;
    EXPECT_EQ(Render(o, Load(0)).substr(0, 17), "g--.--.--.--.--.\n");
}

TEST(IconPicture, LoadColourThresholds) {
    OrvaneOptions o = Percent();
    o.DigitsColored = true;
    struct Case {
        std::uint32_t load;
        char role;
    } cases[] = {{64, 'g'}, {65, 'y'}, {89, 'y'}, {90, 'r'}, {100, 'r'}};
    for (const Case& c : cases) {
        const std::string picture = Render(o, Load(c.load));
        EXPECT_EQ(picture[0], c.role) << c.load;
        // Coloured digits: no pixel keeps the plain digit colour, and the load colour is in the
        // digit rows.
        EXPECT_EQ(picture.find('#'), std::string::npos) << c.load;
        EXPECT_NE(picture.find(c.role, 7 * 17), std::string::npos) << c.load;
    }
    o.YellowPercent = 80;
    o.RedPercent = 70;  // thresholds crossed: the raised-load colour never shows
    EXPECT_EQ(Render(o, Load(75))[0], 'g');
    EXPECT_EQ(Render(o, Load(85))[0], 'r');
}

TEST(IconPicture, MagentaTextColourKeepsItsGlyphs) {
    OrvaneOptions o = Percent();
    o.TransBk = true;
    o.ShowPercSign = false;
    o.FontColor = kStripPaper;
    IconColors colors = kColors;
    colors.Font = kStripPaper;
    PixelBuffer canvas(16, 16);
    DigitStrips strips;
    PixelBuffer glyph;
    const MemorySnapshot s = Load(1);
    DrawIconPicture(canvas, o, 1, MakeIconText(o, s, {}, 96), colors, 96, strips, glyph);
    EXPECT_EQ(FormatPixelRows(canvas, kLegend).substr(7 * 17), Rows(R"(
        ......m.........
        .....mm.........
        ......m.........
        ......m.........
        ......m.........
        ......m.........
        ......m.........
        ......m.........
        .....mmm........
    )"));
}

TEST(IconText, ValueTextPerMode) {
    const NumberSeparators sep;
    struct Case {
        bool percentage, free, page, sign;
        std::uint32_t load;
        std::uint64_t totalPhys, availPhys, totalPage, availPage;
        const wchar_t* expected;
    } cases[] = {
        {true, false, false, true, 45, 0, 0, 0, 0, L"45%"},
        {true, true, false, false, 45, 0, 0, 0, 0, L"55"},
        {true, false, false, true, 100, 0, 0, 0, 0, L"100%"},
        {false, true, false, false, 98, 16 * kGiB, 5 * kGiB, 0, 0, L"0"},
        {false, true, false, false, 97, 16 * kGiB, 5 * kGiB, 0, 0, L"5.00"},
        {false, true, true, false, 99, 0, 0, 32 * kGiB, 12 * kGiB, L"12.0"},
        {false, false, true, false, 10, 0, 0, 32 * kGiB, 12 * kGiB, L"20.0"},
        {false, false, false, false, 10, 4096, 1024, 0, 0, L"3,07"},
    };
    for (const Case& c : cases) {
        OrvaneOptions o;
        o.ShowPercentage = c.percentage;
        o.ShowFree = c.free;
        o.ShowPage = c.page;
        o.ShowPercSign = c.sign;
        const MemorySnapshot s{c.load, c.totalPhys, c.availPhys, c.totalPage, c.availPage};
        EXPECT_EQ(IconValueText(o, s, sep), c.expected);
    }
}

TEST(IconText, SeparatorsAndPath) {
    OrvaneOptions o;
    MemorySnapshot s = Load(10);
    s.AvailPhys = s.TotalPhys - 5615669740;
    const NumberSeparators comma{L",", L"."};
    EXPECT_EQ(MakeIconText(o, s, comma, 96), (IconText{L"5,23", 2, true, L"523"}));

    s.AvailPhys = s.TotalPhys - 1234 * 1024;  // 1,234 KiB
    const NumberSeparators nbsp{L",", L"\u00A0"};
    EXPECT_EQ(MakeIconText(o, s, nbsp, 144), (IconText{L"1\u00A023", 0, true, L"123"}));
    EXPECT_EQ(MakeIconText(o, s, nbsp, 168), (IconText{L"1\u00A023", 0, false, L"1\u00A023"}));
    o.InternalFont = false;
    EXPECT_FALSE(MakeIconText(o, s, nbsp, 96).StripPath);
    EXPECT_EQ(DisplayedTotalOf(o, s), s.TotalPhys);
    o.ShowPage = true;
    s.TotalPageFile = 3;
    EXPECT_EQ(DisplayedTotalOf(o, s), 3u);
}

TEST(IconText, CharactersWithoutACellAreSkipped) {
    DigitStrips strips;
    PixelBuffer canvas(16, 16, kTransparentKey);
    PixelBuffer glyph;
    DrawStripDigits(canvas, OrvaneOptions{}, IconText{L"-1", 0, true, L"-1"}, kColors.Font, 96,
                    strips, glyph);
    PixelBuffer expected(16, 16, kTransparentKey);
    DrawStripDigits(expected, OrvaneOptions{}, IconText{L"81", 0, true, L"81"}, kColors.Font, 96,
                    strips, glyph);
    expected.FillRect(Rect{0, 0, 9, 16}, kTransparentKey);  // drop the 8
    EXPECT_EQ(canvas, expected);
}

TEST(IconText, RedrawOnlyWhenTheTextChangesOrNoSummaryExists) {
    std::wstring last;
    EXPECT_TRUE(TakeRedraw(last, L"45%", false));
    EXPECT_EQ(last, L"45%");
    EXPECT_FALSE(TakeRedraw(last, L"45%", true));
    EXPECT_TRUE(TakeRedraw(last, L"45%", false));
    EXPECT_TRUE(TakeRedraw(last, L"46%", true));
    last.clear();
    EXPECT_TRUE(TakeRedraw(last, L"46%", true));
}

TEST(IconText, FontTextOrigin) {
    OrvaneOptions o;
    EXPECT_EQ(FontTextOrigin(o, 16, 96, 11), (Point{1, 5}));
    EXPECT_EQ(FontTextOrigin(o, 32, 192, -20), (Point{5, 10}));
    o.BarBottom = true;
    EXPECT_EQ(FontTextOrigin(o, 16, 96, 11), (Point{1, -1}));
}

}  // namespace
}  // namespace orvane
