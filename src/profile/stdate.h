#pragma once

#include "profile/partialdate.h"

#include <QWidget>

class QFrame;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

// The partial-date window: composes a date of which the day, the month or the year
// may be unknown. The window itself is never shown; its panel cxTabControl1 is what
// the user sees, lent to the birth-date box as its drop-down. Everything works on
// the panel's own controls, so it does not matter which window holds it.
class Tstdate : public QWidget {
    Q_OBJECT
public:
    explicit Tstdate(QWidget *parent = nullptr);

    // cxTabControl1, 229 by 302 pixels; whoever reparents it gets it back by
    // calling takeBackPanel().
    QWidget *panel() const;
    void takeBackPanel();

    // Builds the result from the three parts and shows it in the result box.
    void GenRes();
    // Loads a date text into the panel; an empty text leaves everything as it is.
    // Throws AppError for a part that is neither a number nor the unknown mark,
    // after loading the parts before it.
    void set_date(const QString &text);
    void SetMaxYear(int year);
    void SetMinYear(int year);

    // The result box's text: the last result, or what the user typed over it.
    QString result() const;

    // "?" of the year, the month, the day.
    void cxButton1Click();
    void cxButton2Click();
    void cxButton3Click();
    // Spin boxes of the year, the month, the day.
    void cxSpinEdit1PropertiesChange();
    void cxSpinEdit2PropertiesChange();
    void cxSpinEdit3PropertiesChange();
    // Sliders of the year, the month, the day.
    void cxTrackBar1PropertiesChange();
    void cxTrackBar2PropertiesChange();
    void cxTrackBar3PropertiesChange();

private:
    using Part = PartialDate::Part;
    struct Controls {
        QSpinBox *spin = nullptr;
        QSlider *slider = nullptr;
        QPushButton *unknownButton = nullptr;
        bool unknown = false;
    };

    Controls &controls(Part part);
    QWidget *buildGroup(Part part, const QString &caption, int number, int minimum,
                        int maximum, int tickStep);
    void markUnknown(Part part);
    void spinChanged(Part part);
    void sliderChanged(Part part);
    void loadPart(const QString &text, Part part);
    std::optional<int> value(Part part);
    void showMarks();

    QFrame *cxTabControl1;
    QLineEdit *cxTextEdit1;
    Controls m_year;
    Controls m_month;
    Controls m_day;
};
