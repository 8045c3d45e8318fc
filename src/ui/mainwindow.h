#pragma once

#include "calculator/personaldetails.h"
#include "calculator/validation.h"
#include "links/cobrand.h"
#include "ui/workingwindow.h"

class LinkLabel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// frmMain: the window in which the user enters the personal details. It checks them
// when the user asks to calculate; what follows is up to its owner.
class MainWindow final : public WorkingWindow
{
    Q_OBJECT

public:
    MainWindow();

    // One of the two offers at the bottom lies in front of the other.
    void putOfferInFront(OfferLabel offer);

    // The height in centimetres, in one box, or in feet and inches, in the two lists;
    // what is entered is carried over where the other unit can hold it.
    void setHeightInCentimetres(bool centimetres);
    bool heightInCentimetres() const;

public slots:
    // Calculate (the button and File > Calculate): shows the first missing detail's
    // message and puts the focus there, or asks for the results.
    void calculate();

signals:
    void calculateRequested(const PersonalDetails& details);
    // File > Your Progress.
    void progressRequested();
    // File > Height in Centimetres, checked or not.
    void heightUnitChosen(bool centimetres);
    // A weight typed in the kilogram box, or in the pound box.
    void weightUnitChosen(bool kilograms);

private:
    void buildControls();
    void applyTabOrder();
    void fillLists();
    QLineEdit* textBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& accessibleName,
        const QColor& textColor);
    QComboBox* list(QWidget* parent, const QString& name, const QRect& geometry, const QString& accessibleName);
    // The details as the controls hold them now; the controls are their only store.
    PersonalDetails personalDetails() const;
    QWidget* box(DetailBox which) const;

    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QLineEdit* m_txtFirstName = nullptr;
    QLineEdit* m_txtKg = nullptr;
    QLineEdit* m_txtPound = nullptr;
    QLineEdit* m_txtLossKg = nullptr;
    QLineEdit* m_txtLossPound = nullptr;
    QComboBox* m_cboAge = nullptr;
    QComboBox* m_cboDays = nullptr;
    QComboBox* m_cboDailyActivity = nullptr;
    QComboBox* m_cboInch = nullptr;
    QComboBox* m_cboFeet = nullptr;
    QComboBox* m_cboGender = nullptr;
    QLineEdit* m_txtCm = nullptr;
    QLabel* m_lblCm = nullptr;
    QAction* m_mnuCentimetres = nullptr;
    LinkLabel* m_lblCobrand = nullptr;
    LinkLabel* m_lblFullBrand = nullptr;
};
