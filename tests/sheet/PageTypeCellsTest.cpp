#include "sheet/PageTypeCells.h"

#include <gtest/gtest.h>

namespace {
using Picture = std::vector<std::vector<int>>;

// Pitch 100 × 120 from a perforation margin of (9, 11), so that a missing offset shows.
SheetGrid gridOf(int across, int down) {
    return {100, 120, across, down, 9, 11};
}

// A sheet just tall enough for the grid's rows and its margins.
int heightOf(const SheetGrid& grid) {
    return grid.tiletteHeight * grid.tilettesDown + 2 * grid.perforationMarginY;
}

SlotsInUse slotsOf(std::initializer_list<int> numbers) {
    SlotsInUse inUse{};
    for (int slot : numbers)
        inUse[static_cast<size_t>(slot)] = true;
    return inUse;
}

const SlotsInUse allSlots = slotsOf({1, 2, 3, 4, 5, 6, 7, 8, 9});

// The slot left showing in each cell, row by row (0: empty); later cells cover earlier ones.
Picture pictureOf(const CellPlan& plan, const SheetGrid& grid, int rows, int columns) {
    Picture picture(static_cast<size_t>(rows), std::vector<int>(static_cast<size_t>(columns)));
    for (const SheetCell& cell : plan.cells) {
        const int column = (cell.x - grid.perforationMarginX) / grid.tiletteWidth;
        const int row = (cell.y - grid.perforationMarginY) / grid.tiletteHeight;
        EXPECT_TRUE(cell.x == grid.perforationMarginX + column * grid.tiletteWidth &&
                    cell.y == grid.perforationMarginY + row * grid.tiletteHeight &&
                    column < columns && row < rows)
            << "cell off the grid at " << cell.x << ", " << cell.y;
        if (column < columns && row < rows)
            picture[static_cast<size_t>(row)][static_cast<size_t>(column)] = cell.slot;
    }
    return picture;
}

Picture planPicture(PageType type, const SheetGrid& grid, const SlotsInUse& inUse) {
    const CellPlan plan = pageTypeCells(type, grid, heightOf(grid), inUse);
    EXPECT_TRUE(plan.composed);
    return pictureOf(plan, grid, grid.tilettesDown, grid.tilettesAcross);
}

std::vector<int> slotOrder(const CellPlan& plan) {
    std::vector<int> order;
    for (const SheetCell& cell : plan.cells)
        order.push_back(cell.slot);
    return order;
}
} // namespace

TEST(PageTypeCells, OneImagePlacesSlot1RowByRowFromTheMargin) {
    const SheetGrid grid = gridOf(3, 2);
    const CellPlan plan = pageTypeCells(PageType::OneImage, grid, heightOf(grid), slotsOf({1}));
    EXPECT_TRUE(plan.composed);
    EXPECT_EQ(plan.message, QString());
    const std::vector<SheetCell> expected{{9, 11, 1},  {109, 11, 1},  {209, 11, 1},
                                          {9, 131, 1}, {109, 131, 1}, {209, 131, 1}};
    EXPECT_EQ(plan.cells, expected);
}

TEST(PageTypeCells, CheckerboardFollowsRowPlusColumnFilledByColumns) {
    const SheetGrid grid = gridOf(5, 7);
    const CellPlan plan =
        pageTypeCells(PageType::Checkerboard, grid, heightOf(grid), slotsOf({1, 2}));
    const Picture picture = pictureOf(plan, grid, 7, 5);
    EXPECT_EQ(picture[0], (std::vector<int>{1, 2, 1, 2, 1}));
    EXPECT_EQ(picture[1], (std::vector<int>{2, 1, 2, 1, 2}));
    for (int row = 1; row <= 7; ++row)
        for (int column = 1; column <= 5; ++column)
            EXPECT_EQ(picture[row - 1][column - 1], (row + column) % 2 == 0 ? 1 : 2)
                << row << ", " << column;
    // Down the first column before the second begins.
    ASSERT_EQ(plan.cells.size(), 35u);
    EXPECT_EQ(plan.cells[1], (SheetCell{9, 131, 2}));
    EXPECT_EQ(plan.cells[7], (SheetCell{109, 11, 2}));
}

TEST(PageTypeCells, BlocksRepeatOverOddGrids) {
    EXPECT_EQ(
        planPicture(PageType::BlockOf4, gridOf(5, 5), slotsOf({1, 2, 3, 4})),
        (Picture{
            {1, 2, 1, 2, 1}, {3, 4, 3, 4, 3}, {1, 2, 1, 2, 1}, {3, 4, 3, 4, 3}, {1, 2, 1, 2, 1}}));
    EXPECT_EQ(planPicture(PageType::BlockOf9, gridOf(7, 5), allSlots),
              (Picture{{1, 2, 3, 1, 2, 3, 1},
                       {4, 5, 6, 4, 5, 6, 4},
                       {7, 8, 9, 7, 8, 9, 7},
                       {1, 2, 3, 1, 2, 3, 1},
                       {4, 5, 6, 4, 5, 6, 4}}));
}

TEST(PageTypeCells, MissingSlotsFailWithThePageTypesMessage) {
    const QString two = QStringLiteral("Must have 2 images selected to use this option.");
    const QString four = QStringLiteral("Must have 4 images selected to use this option.");
    const QString nine = QStringLiteral("Must have 9 images selected to use this option.");
    const struct {
        PageType type;
        SlotsInUse inUse;
        QString message;
    } cases[] = {
        {PageType::OneImage, slotsOf({2, 3, 4, 5, 6, 7, 8, 9}), QString()},
        {PageType::Checkerboard, slotsOf({1, 3}), two},
        {PageType::Checkerboard, slotsOf({2, 3, 4, 5, 6, 7, 8, 9}), two},
        {PageType::BlockOf4, slotsOf({1, 2, 3, 5, 6, 7, 8, 9}), four},
        {PageType::BlockOf9, slotsOf({1, 2, 3, 4, 5, 6, 7, 8}), nine},
        {PageType::BlockOf9, slotsOf({2, 3, 4, 5, 6, 7, 8, 9}), nine},
        // The types that take any slot still need one.
        {PageType::EachRowDifferent, SlotsInUse{}, QString()},
        {PageType::Frame, SlotsInUse{}, QString()},
        {PageType::FillWithAll, SlotsInUse{}, QString()},
    };
    for (const auto& c : cases) {
        const CellPlan plan = pageTypeCells(c.type, gridOf(3, 3), heightOf(gridOf(3, 3)), c.inUse);
        EXPECT_FALSE(plan.composed) << static_cast<int>(c.type);
        EXPECT_EQ(plan.message, c.message) << static_cast<int>(c.type);
        EXPECT_TRUE(plan.cells.empty()) << static_cast<int>(c.type);
    }
}

TEST(PageTypeCells, EachRowDifferentTakesTheNextSlotInUseEachRow) {
    EXPECT_EQ(planPicture(PageType::EachRowDifferent, gridOf(3, 4), slotsOf({3})),
              (Picture{{3, 3, 3}, {3, 3, 3}, {3, 3, 3}, {3, 3, 3}}));
    EXPECT_EQ(planPicture(PageType::EachRowDifferent, gridOf(3, 5), slotsOf({2, 5, 9})),
              (Picture{{2, 2, 2}, {5, 5, 5}, {9, 9, 9}, {2, 2, 2}, {5, 5, 5}}));
}

TEST(PageTypeCells, FillWithAllCarriesTheCycleOverRows) {
    EXPECT_EQ(planPicture(PageType::FillWithAll, gridOf(4, 3), slotsOf({1, 2, 5})),
              (Picture{{1, 2, 5, 1}, {2, 5, 1, 2}, {5, 1, 2, 5}}));
}

TEST(PageTypeCells, FrameFillsOnlyTheOuterRing) {
    const SheetGrid grid = gridOf(5, 4);
    const CellPlan plan = pageTypeCells(PageType::Frame, grid, heightOf(grid), allSlots);
    EXPECT_EQ(slotOrder(plan), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5}));
    EXPECT_EQ(pictureOf(plan, grid, 4, 5),
              (Picture{{1, 2, 3, 4, 5}, {6, 0, 0, 0, 7}, {8, 0, 0, 0, 9}, {1, 2, 3, 4, 5}}));
    // The cycle passes over slots not in use and runs on into the bottom row.
    EXPECT_EQ(planPicture(PageType::Frame, gridOf(3, 3), slotsOf({1, 2, 3})),
              (Picture{{1, 2, 3}, {1, 0, 2}, {3, 1, 2}}));
}

TEST(PageTypeCells, FrameOfTwoRowsCoversItsOneSideStep) {
    const SheetGrid grid = gridOf(4, 2);
    const CellPlan plan = pageTypeCells(PageType::Frame, grid, heightOf(grid), allSlots);
    const std::vector<SheetCell> expected{{9, 11, 1},    {109, 11, 2},  {209, 11, 3},
                                          {309, 11, 4},  {9, 131, 5},   {9, 131, 6},
                                          {109, 131, 7}, {209, 131, 8}, {309, 131, 9}};
    EXPECT_EQ(plan.cells, expected);
    EXPECT_EQ(pictureOf(plan, grid, 2, 4), (Picture{{1, 2, 3, 4}, {6, 7, 8, 9}}));
}

TEST(PageTypeCells, FrameSidesNeedRoomForTwoRows) {
    // One row of 120: the sides are walked only from a sheet height of two pitches.
    const SheetGrid grid = gridOf(3, 1);
    const CellPlan shortSheet = pageTypeCells(PageType::Frame, grid, 239, allSlots);
    const std::vector<SheetCell> bottomBelow{{9, 11, 1},  {109, 11, 2},  {209, 11, 3},
                                             {9, 131, 4}, {109, 131, 5}, {209, 131, 6}};
    EXPECT_EQ(shortSheet.cells, bottomBelow);
    const CellPlan tallSheet = pageTypeCells(PageType::Frame, grid, 240, allSlots);
    EXPECT_EQ(slotOrder(tallSheet), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(tallSheet.cells[3], (SheetCell{9, 131, 4}));
}

TEST(PageTypeCells, FrameOfOneColumnPlacesOneTilettePerRow) {
    const std::vector<SheetCell> column{
        {9, 11, 1}, {9, 131, 2}, {9, 251, 3}, {9, 371, 4}, {9, 491, 5}};
    for (int across : {1, 0}) {
        const SheetGrid grid = gridOf(across, 5);
        EXPECT_EQ(pageTypeCells(PageType::Frame, grid, heightOf(grid), allSlots).cells, column)
            << across;
    }
}

TEST(PageTypeCells, UnknownPageTypeComposesNothing) {
    for (int value : {-1, 7})
        for (const SlotsInUse& inUse : {allSlots, SlotsInUse{}}) {
            const CellPlan plan =
                pageTypeCells(static_cast<PageType>(value), gridOf(3, 3), 382, inUse);
            EXPECT_TRUE(plan.composed);
            EXPECT_EQ(plan.message, QString());
            EXPECT_TRUE(plan.cells.empty());
        }
}

TEST(PageTypeCells, EmptyGridStillMakesTheFirstStep) {
    auto cellsOf = [](PageType type, int across, int down, const SlotsInUse& inUse) {
        return pageTypeCells(type, gridOf(across, down), 382, inUse).cells;
    };
    EXPECT_EQ(cellsOf(PageType::OneImage, 0, 0, allSlots), (std::vector<SheetCell>{{9, 11, 1}}));
    EXPECT_EQ(cellsOf(PageType::OneImage, 0, 3, allSlots),
              (std::vector<SheetCell>{{9, 11, 1}, {9, 131, 1}, {9, 251, 1}}));
    EXPECT_EQ(cellsOf(PageType::Checkerboard, 3, 0, allSlots),
              (std::vector<SheetCell>{{9, 11, 1}, {109, 11, 2}, {209, 11, 1}}));
    EXPECT_EQ(cellsOf(PageType::EachRowDifferent, 0, 0, slotsOf({4})),
              (std::vector<SheetCell>{{9, 11, 4}}));
    EXPECT_EQ(cellsOf(PageType::FillWithAll, 0, 2, slotsOf({1, 2})),
              (std::vector<SheetCell>{{9, 11, 1}, {9, 131, 2}}));
    // Without a row that fits, the first row is still made whole, whichever slot comes first.
    EXPECT_EQ(cellsOf(PageType::FillWithAll, 3, 0, slotsOf({1, 2})),
              (std::vector<SheetCell>{{9, 11, 1}, {109, 11, 2}, {209, 11, 1}}));
    EXPECT_EQ(cellsOf(PageType::FillWithAll, 3, 0, slotsOf({2})),
              (std::vector<SheetCell>{{9, 11, 2}, {109, 11, 2}, {209, 11, 2}}));
}

TEST(PageTypeCells, GridWithoutPitchPlacesNothingAfterTheSlotCheck) {
    const SheetGrid noWidth{0, 120, 3, 3, 9, 11};
    const SheetGrid backwards{100, -5, 3, 3, 9, 11};
    for (PageType type :
         {PageType::OneImage, PageType::BlockOf9, PageType::Frame, PageType::FillWithAll}) {
        for (const SheetGrid& grid : {noWidth, backwards}) {
            const CellPlan plan = pageTypeCells(type, grid, 382, allSlots);
            EXPECT_TRUE(!plan.composed && plan.cells.empty()) << static_cast<int>(type);
        }
    }
    const CellPlan missing = pageTypeCells(PageType::Checkerboard, noWidth, 382, slotsOf({1}));
    EXPECT_FALSE(missing.composed);
    EXPECT_EQ(missing.message, QStringLiteral("Must have 2 images selected to use this option."));
    EXPECT_FALSE(pageTypeCells(PageType::EachRowDifferent, backwards, 382, {}).composed);
}
