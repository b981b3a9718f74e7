#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

namespace download {

// One panel of a window's status bar: a key, a small picture and a text,
// centred. A spring-sized panel shares the free width of the bar; it is never
// narrower than its minimum width in twips, nor than its picture and text.
class StatusPanel : public QWidget {
  Q_OBJECT

 public:
  enum class AutoSize { None = 0, Spring = 1, Contents = 2 };

  StatusPanel(const QString& key, int minWidthTwips, QWidget* parent = nullptr);

  const QString& key() const { return key_; }
  QString text() const;
  void setText(const QString& text);
  // The picture shown before the text; a null pixmap shows none.
  const QPixmap& picture() const { return picture_; }
  void setPicture(const QPixmap& picture);
  AutoSize autoSize() const { return autoSize_; }
  void setAutoSize(AutoSize size) { autoSize_ = size; }
  int minWidthTwips() const { return minWidthTwips_; }

 private:
  void fitContents();

  QString key_;
  int minWidthTwips_;
  AutoSize autoSize_ = AutoSize::Spring;
  QPixmap picture_;
  QLabel* pictureLabel_;
  QLabel* textLabel_;
};

}  // namespace download
