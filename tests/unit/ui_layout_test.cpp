// Dock layout and splitter arithmetic, and the DPI scaling the layout is fed with: the main
// window's and the dialogs' arrangements at 96 and 144 dots per inch. No windows needed.

#include <gtest/gtest.h>

#include <vector>

#include "ui/dpi.h"
#include "ui/layout.h"

namespace {

// The main window's docked controls, in creation order: the developer-tools panel before its
// splitter, so the panel lies at the right edge and the splitter just inside it.
enum { kNav, kHost, kDevTools, kSplitter, kStatus };

std::vector<TAlignItem> MainWindow(int dpi, bool navVisible, bool devToolsVisible,
                                   int devToolsWidth) {
  return {{alTop, navVisible, {0, 0, 0, ScaleForDpi(41, dpi)}},
          {alClient, true, {}},
          {alRight, devToolsVisible, {0, 0, devToolsWidth, 0}},
          {alRight, devToolsVisible, {0, 0, ScaleForDpi(5, dpi), 0}},
          {alBottom, true, {0, 0, 0, ScaleForDpi(19, dpi)}}};
}

TBounds Client(int dpi) { return {0, 0, ScaleForDpi(1184, dpi), ScaleForDpi(712, dpi)}; }

// ---- Scaling ----

TEST(FitIntoWorkArea, AWindowTooLargeInEitherDirectionIsShrunkAndCentredOthersStay) {
  const TBounds screen{0, 0, 1280, 1024};
  // The main window at 150 %: its frame around a 1776 x 1068 client area.
  EXPECT_EQ(FitIntoWorkArea({-260, -40, 1800, 1100}, screen), screen);
  EXPECT_EQ(FitIntoWorkArea({100, 0, 1000, 1100}, screen), (TBounds{140, 0, 1000, 1024}));
  EXPECT_EQ(FitIntoWorkArea({0, 100, 1400, 600}, screen), (TBounds{0, 212, 1280, 600}));
  EXPECT_EQ(FitIntoWorkArea({900, 900, 1280, 1024}, screen), (TBounds{900, 900, 1280, 1024}))
      << "a window that fits is placed by its form";
  // A work area that does not start at the origin (a task bar at the top, a second monitor).
  EXPECT_EQ(FitIntoWorkArea({0, 0, 2000, 500}, {1280, 40, 1920, 1040}),
            (TBounds{1280, 310, 1920, 500}));
}

TEST(ScaleForDpi, RoundsHalfAwayFromZeroLikeMulDiv) {
  EXPECT_EQ(ScaleForDpi(19, 144), 29);    // 28.5
  EXPECT_EQ(ScaleForDpi(-11, 144), -17);  // -16.5: a font height
  EXPECT_EQ(ScaleForDpi(5, 120), 6);      // 6.25
  EXPECT_EQ(ScaleForDpi(1184, 96), 1184);
  EXPECT_EQ(ScaleForDpi(0, 144), 0);
}

TEST(ScaleForDpi, ConvertsFromAFormDesignedAtAnotherDpi) {
  // The password window is laid out at 120 dots per inch.
  EXPECT_EQ(ScaleForDpi(150, 96, 120), 120);
  EXPECT_EQ(ScaleForDpi(93, 96, 120), 74);  // 74.4
  EXPECT_EQ(ScaleForDpi(150, 120, 120), 150);
  EXPECT_EQ(ScaleForDpi(7, 96, 0), 7);  // no source DPI: unchanged, no division by zero
}

TEST(ScaleForDpi, ScalesBoundsAndPaddingFieldByField) {
  EXPECT_EQ(ScaleForDpi(TBounds{8, 8, 25, 25}, 144), (TBounds{12, 12, 38, 38}));
  EXPECT_EQ(ScaleForDpi(TPadding{30, 9, 30, 8}, 144), (TPadding{45, 14, 45, 12}));
}

// ---- Docking ----

TEST(AlignItems, MainWindowWithHiddenBarsGivesThePageAllButTheStatusBar) {
  auto items = MainWindow(96, false, false, 0);
  AlignItems(Client(96), {}, items);
  EXPECT_EQ(items[kHost].bounds, (TBounds{0, 0, 1184, 693}));
  EXPECT_EQ(items[kStatus].bounds, (TBounds{0, 693, 1184, 19}));
}

TEST(AlignItems, DevToolsAtTheRightEdgeWithTheSplitterInside) {
  auto items = MainWindow(96, false, true, 1184 / 4);
  AlignItems(Client(96), {}, items);
  EXPECT_EQ(items[kDevTools].bounds, (TBounds{888, 0, 296, 693}));
  EXPECT_EQ(items[kSplitter].bounds, (TBounds{883, 0, 5, 693}));
  EXPECT_EQ(items[kHost].bounds, (TBounds{0, 0, 883, 693}));
  // The status bar spans the whole width below the side panels.
  EXPECT_EQ(items[kStatus].bounds, (TBounds{0, 693, 1184, 19}));
}

TEST(AlignItems, MainWindowAt144Dpi) {
  const TBounds client = Client(144);
  ASSERT_EQ(client, (TBounds{0, 0, 1776, 1068}));
  auto items = MainWindow(144, true, true, client.width / 4);
  AlignItems(client, {}, items);
  EXPECT_EQ(items[kNav].bounds, (TBounds{0, 0, 1776, 62}));
  EXPECT_EQ(items[kStatus].bounds, (TBounds{0, 1039, 1776, 29}));
  EXPECT_EQ(items[kDevTools].bounds, (TBounds{1332, 62, 444, 977}));
  EXPECT_EQ(items[kSplitter].bounds, (TBounds{1324, 62, 8, 977}));
  EXPECT_EQ(items[kHost].bounds, (TBounds{0, 62, 1324, 977}));
}

TEST(AlignItems, PaddingShrinksTheAreaOfAClientItem) {
  // The address panel: 41 high, padding 9 above and 8 below; the box fills the rest.
  std::vector<TAlignItem> items{{alClient, true, {}}};
  AlignItems({0, 0, 978, 41}, {0, 9, 0, 8}, items);
  EXPECT_EQ(items[0].bounds, (TBounds{0, 9, 978, 24}));

  AlignItems({0, 0, ScaleForDpi(978, 144), ScaleForDpi(41, 144)},
             ScaleForDpi(TPadding{0, 9, 0, 8}, 144), items);
  EXPECT_EQ(items[0].bounds, (TBounds{0, 14, 1467, 36}));
}

TEST(AlignItems, ButtonsDockedLeftAndRightInsideSidePadding) {
  // The preferences dialog's bottom panel: Ok at the left, Cancel at the right, padding 30.
  std::vector<TAlignItem> items{{alLeft, true, {0, 0, 120, 0}}, {alRight, true, {0, 0, 120, 0}}};
  AlignItems({10, 353, 408, 25}, {30, 0, 30, 0}, items);
  EXPECT_EQ(items[0].bounds, (TBounds{40, 353, 120, 25}));
  EXPECT_EQ(items[1].bounds, (TBounds{268, 353, 120, 25}));
}

TEST(AlignItems, ItemsOfOneSideStackFromTheEdgeInListOrder) {
  std::vector<TAlignItem> items{{alTop, true, {0, 0, 0, 10}},   {alTop, true, {0, 0, 0, 20}},
                                {alBottom, true, {0, 0, 0, 5}}, {alBottom, true, {0, 0, 0, 7}},
                                {alLeft, true, {0, 0, 3, 0}},   {alLeft, true, {0, 0, 4, 0}}};
  AlignItems({0, 0, 100, 100}, {}, items);
  EXPECT_EQ(items[0].bounds.top, 0);
  EXPECT_EQ(items[1].bounds.top, 10);
  EXPECT_EQ(items[2].bounds.top, 95);
  EXPECT_EQ(items[3].bounds.top, 88);
  EXPECT_EQ(items[4].bounds, (TBounds{0, 30, 3, 58}));
  EXPECT_EQ(items[5].bounds, (TBounds{3, 30, 4, 58}));
}

TEST(AlignItems, HiddenAndUndockedItemsAreLeftAloneAndTakeNoSpace) {
  std::vector<TAlignItem> items{
      {alTop, false, {1, 2, 3, 40}}, {alNone, true, {5, 6, 7, 8}}, {alClient, true, {}}};
  AlignItems({0, 0, 50, 50}, {}, items);
  EXPECT_EQ(items[0].bounds, (TBounds{1, 2, 3, 40}));
  EXPECT_EQ(items[1].bounds, (TBounds{5, 6, 7, 8}));
  EXPECT_EQ(items[2].bounds, (TBounds{0, 0, 50, 50}));
}

TEST(AlignItems, AnOverfullAreaLeavesTheClientItemEmptyNotNegative) {
  std::vector<TAlignItem> items{{alTop, true, {0, 0, 0, 80}},
                                {alBottom, true, {0, 0, 0, 80}},
                                {alLeft, true, {0, 0, 70, 0}},
                                {alClient, true, {}}};
  AlignItems({0, 0, 50, 100}, {40, 0, 40, 0}, items);
  EXPECT_EQ(items[0].bounds.width, 0);  // padding wider than the area
  EXPECT_EQ(items[2].bounds.height, 0);
  EXPECT_EQ(items[3].bounds.width, 0);
  EXPECT_EQ(items[3].bounds.height, 0);
}

// ---- Splitter ----

TEST(SplitterDrag, ResizesTheNearestVisibleItemOnItsSide) {
  auto items = MainWindow(96, false, true, 296);
  AlignItems(Client(96), {}, items);
  const TSplitterDrag drag = BeginSplitterDrag(Client(96), {}, items, kSplitter, 30);
  EXPECT_EQ(drag.neighbour, kDevTools);
  EXPECT_EQ(drag.startSize, 296);
  // The page keeps 30: 1184 - 5 - 30.
  EXPECT_EQ(drag.maxSize, 1149);
}

TEST(SplitterDrag, HasNoNeighbourWhenNoneIsDockedBeforeIt) {
  std::vector<TAlignItem> items{
      {alLeft, false, {0, 0, 100, 0}}, {alLeft, true, {0, 0, 5, 0}}, {alClient, true, {}}};
  EXPECT_EQ(BeginSplitterDrag({0, 0, 500, 100}, {}, items, 1, 30).neighbour, -1);
  EXPECT_EQ(BeginSplitterDrag({0, 0, 500, 100}, {}, items, 2, 30).neighbour, -1);
  EXPECT_EQ(BeginSplitterDrag({0, 0, 500, 100}, {}, items, 7, 30).neighbour, -1);
}

TEST(SplitterDrag, ARightPanelGrowsWhenTheSplitterMovesLeftWithinLimits) {
  const TSplitterDrag drag{2, 296, 1149};
  EXPECT_EQ(SplitterDragSize(drag, alRight, -100, 30), 396);
  EXPECT_EQ(SplitterDragSize(drag, alRight, 100, 30), 196);
  EXPECT_EQ(SplitterDragSize(drag, alRight, 1000, 30), 30);
  EXPECT_EQ(SplitterDragSize(drag, alRight, -5000, 30), 1149);
}

TEST(SplitterDrag, ALeftOrTopPanelGrowsWithTheMouse) {
  const TSplitterDrag drag{0, 100, 400};
  EXPECT_EQ(SplitterDragSize(drag, alLeft, 50, 30), 150);
  EXPECT_EQ(SplitterDragSize(drag, alTop, -90, 30), 30);
}

}  // namespace
