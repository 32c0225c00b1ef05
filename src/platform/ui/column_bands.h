#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QTableView;

// A row of header captions over a grid, each over a run of the grid's columns ("Ημίχρονο" over the
// two half-time goal columns, or one caption per column as a row of column titles). Every band is
// placed from the grid's own column positions and widths each time it is drawn or asked for, so it
// stays over its columns when they are resized, the grid scrolls or moves, or a font changes.
class TColumnBands : public QWidget
{
    Q_OBJECT
public:
    struct TBand
    {
        QString Caption;
        int FirstColumn = 0;
        int LastColumn = 0;
    };

    explicit TColumnBands(QTableView *grid, QWidget *parent = nullptr);

    const QList<TBand> &Bands() const { return bands_; }
    void SetBands(const QList<TBand> &bands);
    // Where the band lies, in this widget's pixels: from the left edge of its first column to the
    // right edge of its last, the full height of the widget. Empty when its columns are hidden.
    QRect BandRect(int band) const;
    // The band under a point of this widget; -1 for none.
    int BandAt(const QPoint &at) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void BandClicked(int band);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The horizontal span of the grid's cell area, in this widget's pixels.
    QRect GridSpan() const;

    QTableView *grid_;
    QList<TBand> bands_;
    int pressed_ = -1;
};
