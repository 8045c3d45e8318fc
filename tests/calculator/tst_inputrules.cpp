#include "calculator/conversion.h"
#include "calculator/height.h"
#include "calculator/keyfilters.h"
#include "calculator/numbertext.h"
#include "calculator/validation.h"

#include <QTest>
#include <limits>

class TestInputRules : public QObject
{
    Q_OBJECT

private slots:
    void nameFilterOverEveryCharacterCode();
    void weightFilterOverEveryCharacterCode();
    void poundsToKilograms_data();
    void poundsToKilograms();
    void kilogramsToPounds_data();
    void kilogramsToPounds();
    void conversionInOtherLocales();
    void conversionLeavesThePartnerOnBadText();
    void writtenFiguresReadBackInEveryLocale();
    void validationOrderAndMessages_data();
    void validationOrderAndMessages();
    void centimetresBox_data();
    void centimetresBox();
    void heightCarriedBetweenUnits_data();
    void heightCarriedBetweenUnits();
    void heightUnitByLocaleAndChoice_data();
    void heightUnitByLocaleAndChoice();
};

void TestInputRules::nameFilterOverEveryCharacterCode()
{
    // Every plane: an emoji or a mathematical letter is refused like any other sign.
    for (int code = 0; code <= 0x10FFFF; ++code) {
        const KeyVerdict v = filterNameKey(char32_t(code));
        if (code >= 'a' && code <= 'z') {
            QVERIFY(v.accepted);
            QCOMPARE(int(v.code), code - 32);
        } else if ((code >= 'A' && code <= 'Z') || code == 8 || code == 13 || code == 32) {
            QVERIFY(v.accepted);
            QCOMPARE(int(v.code), code);
        } else {
            QVERIFY2(!v.accepted, qPrintable(QString::number(code)));
            QCOMPARE(v.refusalText, QStringLiteral("Please Enter Only Alphabet"));
        }
    }
}

void TestInputRules::weightFilterOverEveryCharacterCode()
{
    for (int code = 0; code <= 0x10FFFF; ++code) {
        const KeyVerdict v = filterWeightKey(char32_t(code));
        const bool passes = (code >= '0' && code <= '9') || code == 8 || code == 13 || code == 32;
        QCOMPARE(v.accepted, passes);
        if (passes)
            QCOMPARE(int(v.code), code);
        else
            QCOMPARE(v.refusalText, QStringLiteral("Please Enter Only Number !"));
    }
}

void TestInputRules::poundsToKilograms_data()
{
    QTest::addColumn<QString>("pounds");
    QTest::addColumn<QString>("kilograms");
    QTest::newRow("154") << "154"
                         << "69.8";
    QTest::newRow("1") << "1"
                       << "0.5";
    QTest::newRow("10") << "10"
                        << "4.5";
    QTest::newRow("150: 679.5 tenths go to the even 680") << "150"
                                                          << "68";
    QTest::newRow("250: 1132.5 tenths go to the even 1132") << "250"
                                                            << "113.2";
    QTest::newRow("220 back from 100 kg") << "220"
                                          << "99.7";
    QTest::newRow("0") << "0"
                       << "0";
    QTest::newRow("empty empties") << ""
                                   << "";
    QTest::newRow("blanks around digits") << " 180 "
                                          << "81.5";
}

void TestInputRules::poundsToKilograms()
{
    QFETCH(QString, pounds);
    QFETCH(QString, kilograms);
    const auto converted = poundsToKilogramsText(pounds, QLocale::c());
    QVERIFY(converted.has_value());
    QCOMPARE(*converted, kilograms);
}

void TestInputRules::kilogramsToPounds_data()
{
    QTest::addColumn<QString>("kilograms");
    QTest::addColumn<QString>("pounds");
    QTest::newRow("70") << "70"
                        << "154";
    QTest::newRow("100") << "100"
                         << "220";
    QTest::newRow("45") << "45"
                        << "99";
    QTest::newRow("99.7 drifts to 219") << "99.7"
                                        << "219";
    QTest::newRow("81.5") << "81.5"
                          << "179";
    QTest::newRow("empty empties") << ""
                                   << "";
    QTest::newRow("a huge figure in plain digits") << "1000000000000000000000"
                                                   << "2200000000000000000000";
}

void TestInputRules::kilogramsToPounds()
{
    QFETCH(QString, kilograms);
    QFETCH(QString, pounds);
    const auto converted = kilogramsToPoundsText(kilograms, QLocale::c());
    QVERIFY(converted.has_value());
    QCOMPARE(*converted, pounds);
}

void TestInputRules::conversionInOtherLocales()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(*poundsToKilogramsText(QStringLiteral("154"), german), QStringLiteral("69,8"));
    QCOMPARE(*poundsToKilogramsText(QStringLiteral("150"), german), QStringLiteral("68"));
    QCOMPARE(*kilogramsToPoundsText(QStringLiteral("99,7"), german), QStringLiteral("219"));
    // No grouping in what the program writes, even for large figures.
    QCOMPARE(*poundsToKilogramsText(QStringLiteral("1000000"), german), QStringLiteral("453000"));

    // Digits as typed, beside the pounds, with the locale's own separator; the
    // locale's digits still read.
    for (const char* name : {"ar_EG", "fa_IR"}) {
        const QLocale locale {QString::fromLatin1(name)};
        const QString kilograms = QStringLiteral("81") + locale.decimalPoint() + QStringLiteral("5");
        QCOMPARE(*poundsToKilogramsText(QStringLiteral("180"), locale), kilograms);
        QCOMPARE(*poundsToKilogramsText(locale.toString(180), locale), kilograms);
        QCOMPARE(*kilogramsToPoundsText(kilograms, locale), QStringLiteral("179"));
        QCOMPARE(*kilogramsToPoundsText(locale.toString(81.5), locale), QStringLiteral("179"));
    }
}

void TestInputRules::conversionLeavesThePartnerOnBadText()
{
    for (const char* bad : {" ", "   ", "abc", "1 2", "-", "1e999"}) {
        QVERIFY2(!poundsToKilogramsText(QString::fromLatin1(bad), QLocale::c()), bad);
        QVERIFY2(!kilogramsToPoundsText(QString::fromLatin1(bad), QLocale::c()), bad);
    }
    // A figure whose product overflows leaves the partner alone too.
    const QString huge = QStringLiteral("1") + QString(308, QLatin1Char('0'));
    QVERIFY(!kilogramsToPoundsText(huge, QLocale::c()));
    QVERIFY(!poundsToKilogramsText(huge, QLocale::c()));
    // A 400-digit number does not read as a finite figure.
    QVERIFY(!readNumber(QString(400, QLatin1Char('9')), QLocale::c()));
}

void TestInputRules::writtenFiguresReadBackInEveryLocale()
{
    // Swedish writes exponents as "×10^", Hebrew and Arabic put direction marks into
    // the minus sign; the toolkit reads neither back. What a conversion writes must
    // convert again.
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const auto kilograms = poundsToKilogramsText(QStringLiteral("5") + QString(17, QLatin1Char('0')), swedish);
    QCOMPARE(*kilograms, QStringLiteral("226500000000000000"));
    QCOMPARE(*kilogramsToPoundsText(*kilograms, swedish), QStringLiteral("498300000000000000"));
    QCOMPARE(writeNumber(1e-5, swedish), QStringLiteral("0,00001"));
    const double largest = std::numeric_limits<double>::max();
    QCOMPARE(readNumber(writeNumber(-largest, swedish), swedish), -largest);
    QCOMPARE(readNumber(writeWholeNumber(-largest), QLocale::c()), -largest);

    for (const char* name : {"he_IL", "ar_EG", "fa_IR", "ckb_IQ"}) {
        const QLocale locale {QString::fromLatin1(name)};
        const QString written = writeNumber(-2.3, locale);
        QVERIFY2(readNumber(written, locale) == -2.3, name);
        const auto pounds = kilogramsToPoundsText(*poundsToKilogramsText(locale.toString(-154), locale), locale);
        QVERIFY2(pounds == QStringLiteral("-154"), name);
    }
}

void TestInputRules::validationOrderAndMessages_data()
{
    QTest::addColumn<QStringList>("texts"); // name, pound, kg, loss pound, loss kg[, centimetres]
    QTest::addColumn<int>("box"); // -1: passes
    QTest::addColumn<QString>("message");

    const QString name = QStringLiteral("Please Enter Your Name");
    const QString weight = QStringLiteral("Please Enter Your Weight");
    const QString loss = QStringLiteral("Please Enter Weight Do You Wish To Lose");
    QTest::newRow("all empty: only the name") << QStringList {"", "", "", "", ""} << int(DetailBox::FirstName) << name;
    QTest::newRow("pound empty") << QStringList {"A", "", "81.5", "10", "4.5"} << int(DetailBox::Pound) << weight;
    QTest::newRow("kg empty") << QStringList {"A", "180", "", "10", "4.5"} << int(DetailBox::Kg) << weight;
    QTest::newRow("loss pound empty") << QStringList {"A", "180", "81.5", "", ""} << int(DetailBox::LossPound) << loss;
    QTest::newRow("loss kg empty") << QStringList {"A", "180", "81.5", "10", ""} << int(DetailBox::LossKg) << loss;
    // Several boxes empty at once: the first in the order of the checks wins.
    QTest::newRow("kg and loss empty: kg") << QStringList {"A", "180", "", "", ""} << int(DetailBox::Kg) << weight;
    QTest::newRow("weights and loss empty: pound")
        << QStringList {"A", "", "", "", ""} << int(DetailBox::Pound) << weight;
    QTest::newRow("name, kg and loss kg empty: name")
        << QStringList {"", "180", "", "10", ""} << int(DetailBox::FirstName) << name;
    QTest::newRow("a name of one blank passes") << QStringList {" ", "180", "81.5", "10", "4.5"} << -1 << QString();
    QTest::newRow("zero passes") << QStringList {"A", "0", "0", "0", "0"} << -1 << QString();
    QTest::newRow("blank-only pound box")
        << QStringList {"A", "   ", "81.5", "10", "4.5"} << int(DetailBox::Pound) << weight;
    QTest::newRow("pasted words in the loss box")
        << QStringList {"A", "180", "81.5", "ten", "4.5"} << int(DetailBox::LossPound) << loss;
    QTest::newRow("negative pasted weight")
        << QStringList {"A", "-5", "81.5", "10", "4.5"} << int(DetailBox::Pound) << weight;
    QTest::newRow("400 digits") << QStringList {"A", QString(400, QLatin1Char('9')), "1", "10", "4.5"}
                                << int(DetailBox::Pound) << weight;
    // A height in centimetres is checked right after the name.
    const QString height = QStringLiteral("Please Enter Your Height");
    const QString range = QStringLiteral("Please Enter Your Height From 100 To 250 Centimetres");
    const int cm = int(DetailBox::Centimetres);
    QTest::newRow("cm empty") << QStringList {"A", "180", "81.5", "10", "4.5", ""} << cm << height;
    QTest::newRow("cm blank") << QStringList {"A", "180", "81.5", "10", "4.5", "  "} << cm << height;
    QTest::newRow("cm 99") << QStringList {"A", "180", "81.5", "10", "4.5", "99"} << cm << range;
    QTest::newRow("cm 100") << QStringList {"A", "180", "81.5", "10", "4.5", "100"} << -1 << QString();
    QTest::newRow("cm 250") << QStringList {"A", "180", "81.5", "10", "4.5", "250"} << -1 << QString();
    QTest::newRow("cm 251") << QStringList {"A", "180", "81.5", "10", "4.5", "251"} << cm << range;
    QTest::newRow("cm and name empty: name")
        << QStringList {"", "180", "81.5", "10", "4.5", ""} << int(DetailBox::FirstName) << name;
    QTest::newRow("cm empty before the weights") << QStringList {"A", "", "", "", "", ""} << cm << height;
    QTest::newRow("cm fine, pound empty")
        << QStringList {"A", "", "81.5", "10", "4.5", "178"} << int(DetailBox::Pound) << weight;
    QTest::newRow("blank-only kg box is only checked for emptiness")
        << QStringList {"A", "180", "  ", "10", " "} << -1 << QString();
}

void TestInputRules::validationOrderAndMessages()
{
    QFETCH(QStringList, texts);
    QFETCH(int, box);
    QFETCH(QString, message);
    PersonalDetails d;
    d.name = texts.at(0);
    d.weightPounds = texts.at(1);
    d.weightKg = texts.at(2);
    d.lossPounds = texts.at(3);
    d.lossKg = texts.at(4);
    d.heightInCentimetres = texts.size() > 5;
    d.heightCentimetres = texts.value(5);
    const auto failure = validateDetails(d, QLocale::c());
    if (box < 0) {
        QVERIFY(!failure);
        return;
    }
    QVERIFY(failure);
    QCOMPARE(int(failure->box), box);
    QCOMPARE(failure->message, message);
}

void TestInputRules::centimetresBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("centimetres"); // 0: refused
    QTest::addColumn<QString>("inches"); // as the plan shows them
    QTest::newRow("178") << "178" << 178 << "70.08";
    QTest::newRow("shortest") << "100" << 100 << "39.37";
    QTest::newRow("tallest") << "250" << 250 << "98.43";
    QTest::newRow("blanks around") << " 180 " << 180 << "70.87";
    QTest::newRow("below") << "99" << 0 << "";
    QTest::newRow("above") << "251" << 0 << "";
    QTest::newRow("not whole") << "178.5" << 0 << "";
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("words") << "tall" << 0 << "";
}

void TestInputRules::centimetresBox()
{
    QFETCH(QString, text);
    QFETCH(int, centimetres);
    QFETCH(QString, inches);
    const auto read = readCentimetres(text, QLocale::c());
    QCOMPARE(read.value_or(0), centimetres);
    if (!read)
        return;
    // Not rounded: 178 cm is 70.0787... in, which the calculation takes as it is.
    QCOMPARE(centimetresToInches(*read), *read / 2.54);
    QCOMPARE(QString::number(centimetresToInches(*read), 'f', 2), inches);
}

void TestInputRules::heightCarriedBetweenUnits_data()
{
    QTest::addColumn<int>("feet");
    QTest::addColumn<int>("inches");
    QTest::addColumn<int>("centimetres"); // 0: none within 100 to 250
    QTest::newRow("5 ft 10 in") << 5 << 10 << 178;
    QTest::newRow("3 ft 4 in, the shortest in range") << 3 << 4 << 102;
    QTest::newRow("3 ft 3 in is 99 cm") << 3 << 3 << 0;
    QTest::newRow("8 ft 2 in") << 8 << 2 << 249;
    QTest::newRow("8 ft 3 in is 251 cm") << 8 << 3 << 0;
    QTest::newRow("the lists at start") << 0 << 0 << 0;
}

void TestInputRules::heightCarriedBetweenUnits()
{
    QFETCH(int, feet);
    QFETCH(int, inches);
    QFETCH(int, centimetres);
    const auto cm = feetAndInchesToCentimetres(feet, inches);
    QCOMPARE(cm.value_or(0), centimetres);
    // And back to the same feet and inches.
    if (cm)
        QCOMPARE(centimetresToFeetAndInches(*cm), std::make_pair(feet, inches));
}

void TestInputRules::heightUnitByLocaleAndChoice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("centimetres");
    QTest::newRow("en_US, nothing chosen") << "en_US"
                                           << "" << false;
    QTest::newRow("en_GB, nothing chosen") << "en_GB"
                                           << "" << false;
    QTest::newRow("de_DE, nothing chosen") << "de_DE"
                                           << "" << true;
    QTest::newRow("fr_FR, nothing chosen") << "fr_FR"
                                           << "" << true;
    QTest::newRow("the C locale, nothing chosen") << "C"
                                                  << "" << false;
    QTest::newRow("en_US, centimetres chosen") << "en_US"
                                               << "cm" << true;
    QTest::newRow("de_DE, feet and inches chosen") << "de_DE"
                                                   << "ft" << false;
    QTest::newRow("de_DE, something else stored") << "de_DE"
                                                  << "yards" << true;
}

void TestInputRules::heightUnitByLocaleAndChoice()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(bool, centimetres);
    QCOMPARE(heightUnitFromSetting(stored, QLocale(locale)) == HeightUnit::Centimetres, centimetres);
    // A choice stored reads back as itself in any locale.
    for (HeightUnit unit : {HeightUnit::Centimetres, HeightUnit::FeetAndInches})
        QCOMPARE(heightUnitFromSetting(heightUnitSetting(unit), QLocale(locale)), unit);
}

QTEST_APPLESS_MAIN(TestInputRules)
#include "tst_inputrules.moc"
