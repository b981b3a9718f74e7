#include "mainwindow/dataview/WindowPlacement.h"

#include <algorithm>

#include "mainwindow/grids/GridColumns.h"

namespace mainwindow {
namespace {

constexpr double TabWidthMargin = 150;
constexpr double TabHeightMargin = 1000;
constexpr double TreeHeightMargin = 1100;
constexpr double GridWidthMargin = 2000;
constexpr double ReadingsHeightMargin = 2500;
constexpr double Run21HeaderHeightMargin = 1500;
constexpr double HeaderGridHeight = 705;
constexpr double ButtonEdgeBeyondGrids = 160;
constexpr double ButtonGap = 50;
constexpr double Run21ButtonTop = 1050;
constexpr double ButtonTopBelowGrids = 1350;
constexpr double ReportTabWidthMargin = 175;
constexpr double ReportTabHeightMargin = 2450;
constexpr double ReportTabHeightMarginOwnWindow = 525;
constexpr double ViewerWidthMargin = 175;
constexpr double ViewerHeightMargin = 500;
constexpr double GraphWidthMargin = 550;
constexpr double GraphHeightMargin = 850;

constexpr int DataTab = 0;
constexpr int ReportTab = 1;

DataTabPlacement placeDataTab(QSizeF tab, const PlacementInputs& in) {
  DataTabPlacement p;
  p.treeHeight = tab.height() - TreeHeightMargin;
  // A tree wider than its design width takes the room from the grids.
  p.treeWidening = std::max(0.0, in.treeWidth - DesignTreeWidth);
  const double gridWidth = tab.width() - GridWidthMargin - p.treeWidening;
  p.header.setWidth(gridWidth);
  p.readings = {gridWidth, tab.height() - ReadingsHeightMargin};
  if (in.run21View) {
    p.header.setHeight(tab.height() - Run21HeaderHeightMargin);
    p.readingsShown = false;
  } else {
    p.header.setHeight(HeaderGridHeight);
  }
  const WidthFactors factors = widthFactors(in.Model_Code);
  p.readingsFactor = factors.readings;
  p.headerFactor = factors.header;

  const double shownGridWidth = in.run21View ? p.header.width() : p.readings.width();
  const double top = in.run21View ? p.header.height() + Run21ButtonTop
                                  : p.header.height() + p.readings.height() + ButtonTopBelowGrids;
  p.saveSelected = {shownGridWidth + in.treeWidth - in.saveSelectedWidth + ButtonEdgeBeyondGrids, top};
  p.saveDb = {p.saveSelected.x() - in.saveAllWidth - ButtonGap, top};
  p.loadDb = {p.saveDb.x() - in.loadWidth - ButtonGap, top};
  return p;
}

ReportTabPlacement placeReportTab(QSizeF tab, const PlacementInputs& in) {
  ReportTabPlacement p;
  p.reportTab = {tab.width() - ReportTabWidthMargin,
                 tab.height() - (in.reportEditLoaded ? ReportTabHeightMarginOwnWindow : ReportTabHeightMargin)};
  p.viewers = {p.reportTab.width() - ViewerWidthMargin, p.reportTab.height() - ViewerHeightMargin};
  return p;
}

}  // namespace

QSizeF keepMinimumSize(QSizeF window) {
  return {std::max(window.width(), MinimumWindowWidth), std::max(window.height(), MinimumWindowHeight)};
}

QSizeF mainTabSize(QSizeF window) { return {window.width() - TabWidthMargin, window.height() - TabHeightMargin}; }

ControlPlacement placeControls(QSizeF mainTab, const PlacementInputs& inputs) {
  ControlPlacement p;
  if (inputs.tab == DataTab) p.data = placeDataTab(mainTab, inputs);
  if (inputs.tab == ReportTab) p.report = placeReportTab(mainTab, inputs);
  p.graph = {mainTab.width() - GraphWidthMargin, mainTab.height() - GraphHeightMargin};
  return p;
}

}  // namespace mainwindow
