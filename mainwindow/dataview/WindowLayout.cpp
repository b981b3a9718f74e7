#include "mainwindow/dataview/WindowLayout.h"

#include <algorithm>

#include <QChartView>
#include <QEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include "instrument/DeviceType.h"
#include "mainwindow/grids/DataGrids.h"
#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/tree/LaterRunsTable.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/tree/SelectionQueries.h"
#include "mainwindow/dataview/TreeSplitter.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/core/Twips.h"
#include "platform/ui/Functions.h"
#include "report/page/ReportTabPage.h"

namespace mainwindow {
namespace {

const QString ReportEditWindow = QStringLiteral("ReportEdit");
// The grids are the tab strip's width less this, with the tree at its design
// width.
constexpr double GridWidthMargin = 2000;

}  // namespace

void MainWindow::Form_Resize() {
  if (dataView_) dataView_->layout().Form_Resize();
}

WindowLayout::WindowLayout(MainWindow& main) : main_(main) {
  for (int tab = 0; tab < main_.MainTab->count(); ++tab) main_.MainTab->widget(tab)->installEventFilter(this);
  DataTabPage& data = main_.dataTab();
  connect(data.Tree_Splitter, &TreeSplitter::dragStarted, this, &WindowLayout::startTreeDrag);
  connect(data.Tree_Splitter, &TreeSplitter::dragged, this, &WindowLayout::dragTree);
  // Opening or closing a project changes how wide the texts are.
  for (auto signal : {&QTreeWidget::itemExpanded, &QTreeWidget::itemCollapsed})
    connect(data.TreeView1, signal, this, [this] { Form_Resize(); });
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show)
    platform::ignoringErrors([&] { Form_Resize(); });
  return QObject::eventFilter(watched, event);
}

double WindowLayout::toTwips(int pixels) const { return platform::pixelsToTwips(pixels, main_.logicalDpiX()); }

int WindowLayout::toPixels(double twips) const { return platform::twipsToPixels(twips, main_.logicalDpiX()); }

bool WindowLayout::run21View() const {
  return isLaterRunsTable(main_.state().Model_Code, main_.state().Table_Name);
}

QSizeF WindowLayout::mainTabTwips() const {
  return {toTwips(main_.MainTab->width()), toTwips(main_.MainTab->height())};
}

double WindowLayout::treeFittedToTexts() const {
  const QTreeWidget& tree = *main_.dataTab().TreeView1;
  // Through the base, where the measure is public; the tree's own counts its
  // indentation.
  int pixels = static_cast<const QAbstractItemView&>(tree).sizeHintForColumn(0) + 2 * tree.frameWidth();
  // Room for the vertical scroll bar, which the tree shows when its nodes
  // do not fit, so that it never covers a text.
  pixels += tree.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &tree);
  return toTwips(pixels);
}

double WindowLayout::treeWidth() const {
  const double widest = TreeWidth + std::max(0.0, mainTabTwips().width() - GridWidthMargin - MinimumGridWidth);
  const double wanted = draggedTreeWidth_ ? *draggedTreeWidth_ : treeFittedToTexts();
  return std::clamp(wanted, TreeWidth, widest);
}

void WindowLayout::startTreeDrag() { dragStartWidth_ = treeWidth(); }

void WindowLayout::dragTree(int pixels) {
  draggedTreeWidth_ = dragStartWidth_ + toTwips(pixels);
  Form_Resize();
}

void WindowLayout::Form_Resize() {
  if (placing_) return;
  const QScopedValueRollback placing(placing_, true);
  platform::ignoringErrors([&] { keepMinimumSize(); });
  DataTabPage& data = main_.dataTab();
  PlacementInputs in;
  in.tab = main_.MainTab->currentIndex();
  in.run21View = run21View();
  in.Model_Code = main_.state().Model_Code;
  in.reportEditLoaded = platform::ui::Form_Loaded(ReportEditWindow);
  in.treeWidth = treeWidth();
  in.loadWidth = toTwips(data.Load_DB->sizeHint().width());
  in.saveAllWidth = toTwips(data.Save_DB->sizeHint().width());
  in.saveSelectedWidth = toTwips(data.save_selected->sizeHint().width());
  const ControlPlacement p = placeControls(mainTabTwips(), in);
  if (p.data) platform::ignoringErrors([&] { placeDataTab(*p.data); });
  if (p.report) platform::ignoringErrors([&] { placeReportTab(*p.report); });
  platform::ignoringErrors([&] { placeGraph(p.graph); });
}

void WindowLayout::keepMinimumSize() {
  // The rule is for the window's outer size; Qt keeps the inner one.
  const QSize frame = main_.frameGeometry().size() - main_.geometry().size();
  const QSize minimum(toPixels(MinimumWindowWidth) - frame.width(), toPixels(MinimumWindowHeight) - frame.height());
  if (main_.minimumSize() != minimum) main_.setMinimumSize(minimum);
  const QSize size = main_.size().expandedTo(minimum);
  if (size != main_.size()) main_.resize(size);
}

void WindowLayout::place(QWidget& widget, const QRectF& twips) const {
  QWidget* page = widget.parentWidget();
  const QPoint offset = page != nullptr ? page->mapTo(main_.MainTab, QPoint(0, 0)) : QPoint();
  const QRect pixels(toPixels(twips.left()), toPixels(twips.top()), std::max(0, toPixels(twips.width())),
                     std::max(0, toPixels(twips.height())));
  widget.setGeometry(pixels.translated(-offset));
}

void WindowLayout::placeDataTab(const DataTabPlacement& p) {
  DataTabPage& data = main_.dataTab();
  const double tabWidth = mainTabTwips().width();
  place(*data.Tab1label, {ControlLeft, LabelTop, tabWidth - 2 * ControlLeft, LabelHeight});
  const double tree = TreeWidth + p.treeWidening;
  const double gridLeft = GridLeft + p.treeWidening;
  place(*data.TreeLabel, {ControlLeft, CaptionTop, tree, LabelHeight});
  place(*data.TreeView1, {ControlLeft, GridsTop, tree, p.treeHeight});
  place(*data.Tree_Splitter, {ControlLeft + tree, GridsTop, gridLeft - ControlLeft - tree, p.treeHeight});
  place(*data.Data_Display_label[0], {gridLeft, CaptionTop, p.header.width(), LabelHeight});
  place(*data.DataGrid2, {gridLeft, GridsTop, p.header.width(), p.header.height()});
  const double readingsTop = GridsTop + p.header.height() + ReadingsBelowHeader;
  place(*data.Data_Display_label[1], {gridLeft, readingsTop - LabelHeight, p.readings.width(), LabelHeight});
  place(*data.DataGrid1, {gridLeft, readingsTop, p.readings.width(), p.readings.height()});
  if (p.readingsShown) data.DataGrid1->setVisible(true);
  data.Data_Display_label[1]->setVisible(data.DataGrid1->isVisibleTo(&data));

  applyColumnWidths(*data.DataGrid1, GridKind::Readings, static_cast<float>(p.readings.width()), p.readingsFactor);
  applyColumnWidths(*data.DataGrid2, GridKind::Header, static_cast<float>(p.header.width()), p.headerFactor);

  for (auto [button, at] : {std::pair{data.save_selected, p.saveSelected}, std::pair{data.Save_DB, p.saveDb},
                            std::pair{data.Load_DB, p.loadDb}}) {
    place(*button, {at.x(), at.y(), toTwips(button->sizeHint().width()), ButtonHeight});
  }
}

void WindowLayout::placeReportTab(const ReportTabPlacement& p) {
  // The report page lays its area out itself; the rules cap the tab strip. A
  // window smaller than the margins leaves it no room at all, never less.
  report::ReportTabPage& page = main_.reportTab();
  page.ReportTab->setMaximumSize(std::max(0, toPixels(p.reportTab.width())),
                                 std::max(0, toPixels(p.reportTab.height())));
}

void WindowLayout::placeGraph(QSizeF size) {
  place(*main_.MSGraph, {GraphLeft, GraphTop, size.width(), size.height()});
}

}  // namespace mainwindow
