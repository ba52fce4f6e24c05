#include "catalogue/LanguageApply.h"

#include "app/ProgramState.h"
#include "app/Tfrmmain.h"
#include "app/Widgets.h"
#include "catalogue/MessageCatalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

struct CaptionRow
{
    int number;
    std::initializer_list<const char *> controls;
};

// Which catalogue text labels which control of the main window.
const CaptionRow kMainWindowCaptions[] = {
    {1001, {"Button1"}},
    {1002, {"button2"}},
    {1003, {"Button3"}},
    {1004, {"Label2"}},
    {1005, {"Button9", "Button10"}},
    {1006, {"Button11", "Button12", "Button15"}},
    {1008, {"Button13", "Button14"}},
    {1011, {"Button17"}},
    {1029, {"ComboBox1", "ComboBox2", "ComboBox9", "ComboBox18"}},
    {1030, {"ComboBox3", "ComboBox4", "ComboBox10", "ComboBox19"}},
    {1016, {"ComboBox5"}},
    {1017, {"ComboBox6"}},
    {1018, {"ComboBox7", "ComboBox8"}},
    {1022, {"ComboBox11"}},
    {1023, {"ComboBox12"}},
    {1024, {"ComboBox13"}},
    {1025, {"ComboBox14", "ComboBox15"}},
    {1027, {"ComboBox16"}},
    {1028, {"ComboBox17"}},
    {1031, {"ComboBox20"}},
    {1032, {"CheckBox1"}},
    {1033, {"CheckBox2"}},
    {1034, {"CheckBox3"}},
    {1035, {"CheckBox4"}},
    {1040, {"GroupBox1"}},
    {1041, {"GroupBox2"}},
    {1042, {"GroupBox3"}},
    {1043, {"GroupBox4"}},
    {1044, {"GroupBox5"}},
    {1045, {"GroupBox6"}},
    {1046, {"Label3"}},
    {1047, {"Panel1"}},
    {1048, {"Panel2"}},
    {1049, {"Panel3"}},
    {1050, {"Panel4"}},
    {1051, {"Panel5"}},
    {1052, {"accscarte1"}},
    {1053, {"allemand1"}},
    {1054, {"anglais1"}},
    {1055, {"Apropos1"}},
    {1056, {"Assistance1"}},
    {1057, {"Associationdesfichiers1"}},
    {1058, {"audit1"}},
    {1059, {"Charger0"}},
    {1060, {"charger1", "charger2", "Charger3"}},
    {1061, {"Icone1"}},
    {1062, {"Motif1"}},
    {1064, {"Editer1"}},
    {1067, {"francais1"}},
    {1069, {"Impressioncouleurs1"}},
    {1070, {"Impressionnoir_et_blanc1"}},
    {1071, {"Imprimante1"}},
    {1072, {"Imprimer1"}},
    {1073, {"language1"}},
    {1075, {"options1"}},
    {1077, {"polices1"}},
    {1078, {"Pressepapier1"}},
    {1080, {"Quitter1"}},
    {1081, {"rpertoiredetravail1"}},
    {1083, {"Sauvegarder0"}},
    {1084, {"sauvegarder1", "sauvegarder2", "Sauvegarder3"}},
    {1088, {"testimp1"}},
    {1089, {"Texte11"}},
    {1090, {"texte21"}},
    {1165, {"typedefichier1"}},
    {1166, {"ansicoding1"}},
    {1167, {"utf8coding1"}},
    {1168, {"unicodecoding1"}},
};

void setCaption(Tfrmmain &window, const QString &name, const QString &text)
{
    // Submenus are found through their action, which carries the same name.
    if (auto *action = window.findChild<QAction *>(name)) {
        action->setText(text);
        return;
    }
    QWidget *control = window.findChild<QWidget *>(name);
    if (auto *panel = qobject_cast<CommandPanel *>(control))
        panel->setCaption(text);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setEditText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *box = qobject_cast<QGroupBox *>(control))
        box->setTitle(text);
}

QString number(int n)
{
    return QString::number(n);
}

} // namespace

void applyLanguageToMainWindow(Tfrmmain &window, const QString &language)
{
    for (const CaptionRow &row : kMainWindowCaptions) {
        const QString text = lookupMessage(language, row.number);
        for (const char *name : row.controls)
            setCaption(window, QLatin1String(name), text);
    }
    for (QCheckBox *box :
         {window.CheckBox5, window.CheckBox6, window.CheckBox7, window.CheckBox8, window.CheckBox9})
        box->setText(QString());
    const QString reset = lookupMessage(language, 1036);
    for (QCheckBox *box : {window.CheckBox5, window.CheckBox6, window.CheckBox7, window.CheckBox8})
        box->setToolTip(reset);
    fillComboLists(window);
}

void fillComboLists(Tfrmmain &w)
{
    const QString lang = programState().currentLanguage;
    auto word = [&](int n) { return lookupMessage(lang, n); };
    auto composed = [&](int n, const QString &first) { return composeMessage(lang, n, first); };

    for (QComboBox *combo : {w.ComboBox16, w.ComboBox1,  w.ComboBox2,  w.ComboBox3,  w.ComboBox4,
                             w.ComboBox7,  w.ComboBox8,  w.ComboBox18, w.ComboBox9,  w.ComboBox19,
                             w.ComboBox10, w.ComboBox11, w.ComboBox17, w.ComboBox14, w.ComboBox15,
                             w.ComboBox5,  w.ComboBox6,  w.ComboBox13, w.ComboBox20, w.ComboBox12})
        combo->clear();

    w.ComboBox16->addItems(
        {word(1027), word(1132), word(1133), word(1134), word(1135), word(1136)});

    // Frame entries: +20 .. +1, the plain word, -1 .. -20.
    const std::pair<QComboBox *, int> frameLists[] = {
        {w.ComboBox1, 1029}, {w.ComboBox2, 1029}, {w.ComboBox3, 1030},
        {w.ComboBox4, 1030}, {w.ComboBox7, 1022}, {w.ComboBox8, 1022},
    };
    for (const auto &[combo, n] : frameLists) {
        QStringList items;
        for (int i = 20; i >= 1; --i)
            items << composed(n, QStringLiteral(" + ") + number(i));
        items << word(n);
        for (int i = -1; i >= -20; --i)
            items << composed(n, QStringLiteral(" ") + number(i));
        combo->addItems(items);
        combo->setCurrentIndex(20);
    }

    // Card and icon entries: +10 .. +1, the plain word, -1 .. -10.
    struct SmallList
    {
        QComboBox *combo;
        std::function<QString(int)> plus;
        int plain;
        int minus;
    };
    auto plusComposed = [&](int n, const QString &sign) {
        return [composed, n, sign](int i) { return composed(n, sign + number(i)); };
    };
    const SmallList smallLists[] = {
        {w.ComboBox18, plusComposed(1029, QStringLiteral("+")), 1029, 1029},
        {w.ComboBox9, plusComposed(1029, QStringLiteral("+")), 1029, 1029},
        {w.ComboBox19, plusComposed(1030, QStringLiteral("+")), 1030, 1030},
        {w.ComboBox10, plusComposed(1030, QStringLiteral("+")), 1030, 1030},
        {w.ComboBox11, plusComposed(1022, QStringLiteral("+")), 1022, 1022},
        {w.ComboBox17, [word](int i) { return word(1020) + number(i); }, 1028, 1028},
        {w.ComboBox14, plusComposed(1025, QStringLiteral(" + ")), 1025, 1025},
        {w.ComboBox15, plusComposed(1025, QStringLiteral(" + ")), 1025, 1025},
    };
    for (const SmallList &list : smallLists) {
        QStringList items;
        for (int i = 10; i >= 1; --i)
            items << list.plus(i);
        items << word(list.plain);
        for (int i = -1; i >= -10; --i)
            items << composed(list.minus, QStringLiteral(" ") + number(i));
        list.combo->addItems(items);
        list.combo->setCurrentIndex(10);
    }

    const QStringList alignments{word(1017), word(1012), word(1013), word(1014)};
    w.ComboBox5->addItems(alignments);
    w.ComboBox5->setCurrentIndex(0);
    w.ComboBox5->setToolTip(word(1169));
    w.ComboBox6->addItems(alignments);
    w.ComboBox6->setCurrentIndex(0);
    w.ComboBox6->setToolTip(word(1170));
    w.ComboBox13->addItems({word(1024), word(1012), word(1013), word(1014)});
    w.ComboBox13->setCurrentIndex(0);
    w.ComboBox13->setToolTip(word(1171));

    w.ComboBox20->addItems({word(1031), word(76), word(75)});

    QStringList gaps{word(1023)};
    for (int i = 5; i <= 15; ++i)
        gaps << number(i);
    w.ComboBox12->addItems(gaps);

    for (QComboBox *combo : {w.ComboBox16, w.ComboBox20, w.ComboBox12})
        combo->setCurrentIndex(0);

    // Show each entry from its start: the fields are narrower than some of
    // their texts.
    for (QComboBox *combo : w.findChildren<QComboBox *>())
        if (combo->lineEdit())
            combo->lineEdit()->setCursorPosition(0);
}
