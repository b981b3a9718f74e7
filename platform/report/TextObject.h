#pragma once

#include "platform/report/ReportObject.h"

namespace platform {

// The font of a text object: a family, a whole point size and two styles.
struct ReportFont {
  QString family = QStringLiteral("Arial");
  int size = 9;
  bool bold = false;
  bool italic = false;
};

// The four edge line styles of a text object (LineStyle codes).
struct EdgeStyles {
  int left = LineStyle::None;
  int right = LineStyle::None;
  int top = LineStyle::None;
  int bottom = LineStyle::None;
};

// A text object: its text is kept exactly as SetText stored it (lines are
// separated by carriage returns). A text object that can grow takes as many
// lines as its text holds and may break across pages; one that cannot shows
// what fits its height.
class TextObject : public ReportObject {
 public:
  TextObject(QString name, const QRect& geometry, QString text = QString(),
             ReportFont font = ReportFont());

  bool hasFont() const override { return true; }
  std::optional<int> fontSize() const override { return font_.size; }
  ReportStatus setFontSize(int points) override;
  const ReportFont& font() const { return font_; }
  void setBold(bool bold) { font_.bold = bold; }
  void setItalic(bool italic) { font_.italic = italic; }

  std::optional<QString> text() const override { return text_; }
  ReportStatus SetText(const QString& text) override;

  std::optional<int> horAlignment() const override { return alignment_; }
  ReportStatus setHorAlignment(int code) override;
  int leftIndent() const { return leftIndent_; }
  int rightIndent() const { return rightIndent_; }
  ReportStatus setLeftIndent(int twips) override;
  ReportStatus setRightIndent(int twips) override;

  const EdgeStyles& edges() const { return edges_; }
  ReportStatus setLeftLineStyle(int style) override;
  ReportStatus setRightLineStyle(int style) override;
  ReportStatus setTopLineStyle(int style) override;
  ReportStatus setBottomLineStyle(int style) override;

  bool canGrow() const { return canGrow_; }
  ReportStatus setCanGrow(bool grow) override;

  // A text that wraps breaks each line that is wider than its box (less its
  // indents) at spaces, and takes the height its lines need; the objects
  // below it in its section move down by what it grew. A centred one keeps
  // its lines clear of a picture beside it in its section.
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) { wordWrap_ = wrap; }

  static constexpr int MinFontSize = 1;
  static constexpr int MaxFontSize = 400;

 protected:
  TextObject(ReportObjectKind kind, QString name, const QRect& geometry, ReportFont font);

 private:
  QString text_;
  ReportFont font_;
  int alignment_ = HorAlignment::Default;
  int leftIndent_ = 0;
  int rightIndent_ = 0;
  EdgeStyles edges_;
  bool canGrow_ = false;
  bool wordWrap_ = false;
};

}  // namespace platform
