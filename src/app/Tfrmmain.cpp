#include "app/Tfrmmain.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/Widgets.h"
#include "card/CardModel.h"
#include "card/Rounding.h"
#include "catalogue/LanguageApply.h"
#include "minicv/MiniCvModel.h"
#include "output/PreviewState.h"
#include "output/PrinterMetrics.h"
#include "output/TForm1.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/ScreenMetrics.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTextEdit>

namespace {

constexpr int kClientWidth = 638;
constexpr int kClientHeight = 555;
constexpr int kComboHeight = 21;
const QColor kPanelGreen(0x00, 0x80, 0x00);

} // namespace

Tfrmmain::Tfrmmain(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("édition de cartes"));
    setFont(designedWindowFont());
    setFixedSize(kClientWidth, kClientHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_AlwaysShowToolTips);

    buildFrameGroups();
    buildCardGroup();
    buildIconGroup();
    buildButtonsAndPanels();
    buildMenus();
    // The help file the windows name is not shipped: F1 opens the assistance.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { massistance_click(); });
    formload();
}

Tfrmmain::~Tfrmmain() = default;

QComboBox *Tfrmmain::makeCombo(QWidget *parent, const char *name, const QString &text, int left,
                               int top, int width, void (Tfrmmain::*keyUp)())
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(text);
    // Typed increments are taken as typed, never completed from the list.
    combo->setCompleter(nullptr);
    placeControl(combo, left, top, width, kComboHeight);
    if (keyUp) {
        keyUpHandlers.insert(combo->lineEdit(), keyUp);
        combo->lineEdit()->installEventFilter(this);
    }
    return combo;
}

QPushButton *Tfrmmain::makeButton(QWidget *parent, const char *name, const QString &text, int left,
                                  int top, int width, int height, void (Tfrmmain::*click)(),
                                  bool focusOnHover)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    placeControl(button, left, top, width, height);
    connect(button, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    if (focusOnHover) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }
    return button;
}

QCheckBox *Tfrmmain::makeCheck(QWidget *parent, const char *name, const QString &text, int left,
                               int top, int width)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(QLatin1String(name));
    placeControl(check, left, top, width, 17);
    return check;
}

QLabel *Tfrmmain::makeLabel(QWidget *parent, const char *name, const QString &text, int left,
                            int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    placeControl(label, left, top, width, height);
    return label;
}

void Tfrmmain::buildFrameGroups()
{
    GroupBox5 = new VGroupBox(QStringLiteral("CADRE 1"), this);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    GroupBox5->setGeometry(8, 8, 153, 350);
    GroupBox4 = new VGroupBox(QStringLiteral("CADRE 2"), this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    GroupBox4->setGeometry(176, 8, 185, 350);

    // Both frames carry the same controls in the same places; frame 2 adds
    // the frame alignment beside its text alignment.
    const int w1 = 137;
    const int w2 = 169;
    ComboBox1 = makeCombo(GroupBox5, "ComboBox1", QStringLiteral("largeur"), 6, 4, w1,
                          &Tfrmmain::combobox1keyup);
    ComboBox3 = makeCombo(GroupBox5, "ComboBox3", QStringLiteral("longueur"), 6, 32, w1,
                          &Tfrmmain::combobox3keyup);
    ComboBox14 = makeCombo(GroupBox5, "ComboBox14", QStringLiteral("bord gauche"), 6, 60, w1,
                           &Tfrmmain::combobox14_keyup);
    ComboBox7 = makeCombo(GroupBox5, "ComboBox7", QStringLiteral("hauteur"), 6, 88, w1,
                          &Tfrmmain::combobox7keyup);
    Label3 = makeLabel(GroupBox5, "Label3", QStringLiteral("Alignement du texte"), 6, 118, w1, 14);
    ComboBox5 = makeCombo(GroupBox5, "ComboBox5", QStringLiteral("alignement"), 6, 134, w1,
                          &Tfrmmain::combobox5keyup);
    ComboBox5->setToolTip(QStringLiteral("alignement du texte dans le cadre : centré par défaut"));
    Button13 = makeButton(GroupBox5, "Button13", QStringLiteral("fonte"), 6, 166, w1, 25,
                          &Tfrmmain::Button13Click, true);
    Button13->setToolTip(QStringLiteral("police du texte à partir de la 2° ligne"));
    Button9 = makeButton(GroupBox5, "Button9", QStringLiteral("fonte en-tête "), 6, 196, w1, 25,
                         &Tfrmmain::Button9Click, true);
    Button9->setToolTip(QStringLiteral("police de la 1° ligne"));
    Button11 = makeButton(GroupBox5, "Button11", QStringLiteral("couleur de fond"), 6, 226, w1, 25,
                          &Tfrmmain::Button11Click, true);
    CheckBox2 = makeCheck(GroupBox5, "CheckBox2", QStringLiteral("T1"), 8, 258, 60);
    CheckBox2->setToolTip(QStringLiteral("transparence"));
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    Label4 = makeLabel(GroupBox5, "Label4", QString(), 6, 280, w1, 48);
    Label4->setWordWrap(true);
    Label4->setStyleSheet(QStringLiteral("color: red;"));
    Label4->hide();

    ComboBox2 = makeCombo(GroupBox4, "ComboBox2", QStringLiteral("largeur"), 6, 4, w2,
                          &Tfrmmain::combobox2keyup);
    ComboBox4 = makeCombo(GroupBox4, "ComboBox4", QStringLiteral("longueur"), 6, 32, w2,
                          &Tfrmmain::combobox4keyup);
    ComboBox15 = makeCombo(GroupBox4, "ComboBox15", QStringLiteral("bord gauche"), 6, 60, w2,
                           &Tfrmmain::combobox15_keyup);
    ComboBox8 = makeCombo(GroupBox4, "ComboBox8", QStringLiteral("hauteur"), 6, 88, w2,
                          &Tfrmmain::combobox8keyup);
    Label2 = makeLabel(GroupBox4, "Label2", QStringLiteral("Alignements du cadre et du texte   "),
                       6, 118, w2, 14);
    ComboBox6 = makeCombo(GroupBox4, "ComboBox6", QStringLiteral("texte"), 6, 134, 82,
                          &Tfrmmain::combobox6keyup);
    ComboBox6->setToolTip(
        QStringLiteral("alignement du texte dans le cadre : à gauche par défaut "));
    ComboBox13 = makeCombo(GroupBox4, "ComboBox13", QStringLiteral("cadre"), 93, 134, 82,
                           &Tfrmmain::combobox13keyup);
    ComboBox13->setToolTip(QStringLiteral("alignement du cadre 2 : gauche par défaut"));
    Button14 = makeButton(GroupBox4, "Button14", QStringLiteral("fonte"), 6, 166, w2, 25,
                          &Tfrmmain::Button14Click, true);
    Button14->setToolTip(QStringLiteral("police du texte à partir de la 2° ligne"));
    Button10 = makeButton(GroupBox4, "Button10", QStringLiteral("fonte en-tête"), 6, 196, w2, 25,
                          &Tfrmmain::Button10Click, true);
    Button10->setToolTip(QStringLiteral("police de la 1° ligne"));
    Button12 = makeButton(GroupBox4, "Button12", QStringLiteral("couleur de fond"), 6, 226, w2, 25,
                          &Tfrmmain::Button12Click, true);
    CheckBox3 = makeCheck(GroupBox4, "CheckBox3", QStringLiteral("T2"), 8, 258, 60);
    CheckBox3->setToolTip(QStringLiteral("transparence"));
    connect(CheckBox3, &QCheckBox::clicked, this, [this] { CheckBox3Click(); });
    Label7 = makeLabel(GroupBox4, "Label7", QString(), 6, 280, w2, 48);
    Label7->setWordWrap(true);
    Label7->setStyleSheet(QStringLiteral("color: red;"));
    Label7->hide();
}

void Tfrmmain::buildCardGroup()
{
    GroupBox3 = new VGroupBox(QStringLiteral("CARTE"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(368, 8, 145, 240);

    const int w = 104;
    ComboBox18 = makeCombo(GroupBox3, "ComboBox18", QStringLiteral("largeur"), 4, 2, w,
                           &Tfrmmain::combobox18keyup);
    CheckBox5 = makeCheck(GroupBox3, "CheckBox5", QString(), 111, 4, 16);
    CheckBox5->setToolTip(QStringLiteral("remise à l'état initial"));
    connect(CheckBox5, &QCheckBox::stateChanged, this, [this] { CheckBox5Change(); });
    ComboBox19 = makeCombo(GroupBox3, "ComboBox19", QStringLiteral("longueur"), 4, 27, w,
                           &Tfrmmain::combobox19keyup);
    CheckBox6 = makeCheck(GroupBox3, "CheckBox6", QString(), 111, 29, 16);
    CheckBox6->setToolTip(QStringLiteral("remise à l'état initial"));
    connect(CheckBox6, &QCheckBox::stateChanged, this, [this] { CheckBox6Change(); });
    ComboBox16 = makeCombo(GroupBox3, "ComboBox16", QStringLiteral("formats standards"), 4, 52, 133,
                           nullptr);
    connect(ComboBox16, &QComboBox::activated, this, [this] { ComboBox16Change(); });
    ComboBox20 = makeCombo(GroupBox3, "ComboBox20", QStringLiteral("orientation"), 4, 77, w,
                           &Tfrmmain::combobox20keyup);
    ComboBox20->setMaxVisibleItems(3);
    ComboBox12 = makeCombo(GroupBox3, "ComboBox12", QStringLiteral("écart"), 4, 102, w,
                           &Tfrmmain::combobox12keyup);
    ComboBox12->setToolTip(QStringLiteral("Ecartement entre les cartes à limpression "));

    tb1 = new QSlider(Qt::Vertical, GroupBox3);
    tb1->setObjectName(QStringLiteral("tb1"));
    tb1->setRange(1, 100);
    tb1->setToolTip(QStringLiteral("deplacement vertical de a carte"));
    placeControl(tb1, 113, 77, 24, 96);
    connect(tb1, &QSlider::valueChanged, this, [this] { tb1_change(); });

    Button3 = makeButton(GroupBox3, "Button3", QStringLiteral("ajustement A4"), 4, 128, w, 23,
                         &Tfrmmain::Button3Click, false);
    Button15 = makeButton(GroupBox3, "Button15", QStringLiteral("couleur de fond"), 4, 154, w, 23,
                          &Tfrmmain::Button15Click, true);
    CheckBox1 = makeCheck(GroupBox3, "CheckBox1", QStringLiteral("MOTIF "), 6, 182, 86);
    CheckBox1->setTristate(true);
    CheckBox1->setToolTip(QStringLiteral("affichage étendu ou répétitif de limage"));
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    Label5 = makeLabel(GroupBox3, "Label5", QStringLiteral("dim"), 94, 182, 42, 17);
    CheckBox4 = makeCheck(GroupBox3, "CheckBox4", QStringLiteral("STYLE"), 6, 203, 86);
    connect(CheckBox4, &QCheckBox::clicked, this, [this] { checkbox4_click(); });
    Label6 = makeLabel(GroupBox3, "Label6", QStringLiteral("fill"), 94, 203, 42, 17);
}

void Tfrmmain::buildIconGroup()
{
    GroupBox2 = new VGroupBox(QStringLiteral("ICONE"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(376, 260, 145, 145);

    const int w = 104;
    ComboBox9 = makeCombo(GroupBox2, "ComboBox9", QStringLiteral("largeur"), 4, 4, w,
                          &Tfrmmain::combobox9keyup);
    ComboBox10 = makeCombo(GroupBox2, "ComboBox10", QStringLiteral("longueur"), 4, 30, w,
                           &Tfrmmain::combobox10keyup);
    ComboBox17 = makeCombo(GroupBox2, "ComboBox17", QStringLiteral("marge"), 4, 56, w,
                           &Tfrmmain::combobox17keyup);
    CheckBox7 = makeCheck(GroupBox2, "CheckBox7", QString(), 111, 58, 16);
    CheckBox7->setToolTip(QStringLiteral("remise à l'état initial"));
    connect(CheckBox7, &QCheckBox::stateChanged, this, [this] { CheckBox7Change(); });
    ComboBox11 = makeCombo(GroupBox2, "ComboBox11", QStringLiteral("hauteur"), 4, 82, w,
                           &Tfrmmain::combobox11keyup);
    CheckBox8 = makeCheck(GroupBox2, "CheckBox8", QString(), 111, 84, 16);
    CheckBox8->setToolTip(QStringLiteral("remise à l'état initial"));
    connect(CheckBox8, &QCheckBox::stateChanged, this, [this] { CheckBox8Change(); });
}

void Tfrmmain::buildButtonsAndPanels()
{
    Button1 = makeButton(this, "Button1", QStringLiteral(" voir carte"), 10, 370, 73, 25,
                         &Tfrmmain::form1see, true);
    Button17 = makeButton(this, "Button17", QStringLiteral("appliquer"), 90, 370, 65, 25,
                          &Tfrmmain::Button17Click, false);
    button2 = makeButton(this, "button2", QStringLiteral("Presse Papier"), 160, 370, 81, 25,
                         &Tfrmmain::clipClick, false);
    Image1 = makeLabel(this, "Image1", QString(), 250, 370, 45, 37);
    Image1->setScaledContents(true);
    Image2 = makeLabel(this, "Image2", QString(), 315, 370, 45, 37);
    Image2->setScaledContents(true);
    CheckBox9 = makeCheck(this, "CheckBox9", QString(), 238, 372, 16);
    CheckBox9->hide();

    GroupBox1 = new VGroupBox(QStringLiteral("panneaux des commandes"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 420, 489, 113);
    GroupBox1->installEventFilter(this);
    GroupBox6 = new VGroupBox(QStringLiteral("carte"), GroupBox1);
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    placeControl(GroupBox6, 8, 16, 281, 49);

    auto makePanel = [this](QWidget *parent, const char *name, const QString &caption, int tag,
                            int left, int top, int width, int height, const QString &hint) {
        auto *panel = new CommandPanel(caption, tag, parent);
        panel->setObjectName(QLatin1String(name));
        placeControl(panel, left, top, width, height);
        panel->setToolTip(hint);
        connect(panel, &CommandPanel::clicked, this, [this, panel] { onpanelclick(panel); });
        connect(panel, &CommandPanel::mouseMoved, this, [this, panel] { onpanelmmove(panel); });
        return panel;
    };
    Panel1 = makePanel(GroupBox6, "Panel1", QStringLiteral("fichier"), 1, 10, 16, 70, 25,
                       QStringLiteral("commandes de fichier et dimprimante"));
    Panel2 = makePanel(GroupBox6, "Panel2", QStringLiteral("éléments"), 2, 105, 16, 70, 25,
                       QStringLiteral("commandes dajout déléments"));
    Panel4 = makePanel(GroupBox6, "Panel4", QStringLiteral("contrôle"), 4, 201, 16, 70, 25,
                       QStringLiteral("commande de contrôle des paramêtres"));
    Panel5 =
        makePanel(GroupBox1, "Panel5", QStringLiteral("Mini-CV"), 5, 300, 24, 80, 41, QString());
    Panel3 = makePanel(GroupBox1, "Panel3", QStringLiteral("aide"), 3, 395, 24, 80, 41, QString());

    sideStrip = new QTextEdit(this);
    sideStrip->setObjectName(QStringLiteral("sideStrip"));
    sideStrip->setGeometry(529, 17, 104, 507);
    sideStrip->setReadOnly(true);
    sideStrip->setFocusPolicy(Qt::NoFocus);
    sideStrip->setLineWrapMode(QTextEdit::NoWrap);
    sideStrip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideStrip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideStrip->viewport()->setCursor(Qt::ArrowCursor);
}

QAction *Tfrmmain::makeAction(QMenu *menu, const char *name, const QString &text,
                              std::function<void()> handler)
{
    auto *action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    if (handler)
        connect(action, &QAction::triggered, this, std::move(handler));
    return action;
}

QMenu *Tfrmmain::makeSubmenu(QMenu *menu, const char *name, const QString &text)
{
    auto *sub = new QMenu(text, menu);
    sub->setObjectName(QLatin1String(name));
    sub->menuAction()->setObjectName(QLatin1String(name));
    menu->addMenu(sub);
    return sub;
}

void Tfrmmain::buildMenus()
{
    auto newMenu = [this](const char *name) {
        auto *menu = new QMenu(this);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    PopupMenu1 = newMenu("PopupMenu1");
    Charger0 = makeAction(PopupMenu1, "Charger0", QStringLiteral("&Charger"),
                          [this] { mcharger_click(); });
    Sauvegarder0 = makeAction(PopupMenu1, "Sauvegarder0", QStringLiteral("&Sauvegarder"),
                              [this] { msauvegarder_click(); });
    rpertoiredetravail1 =
        makeAction(PopupMenu1, "rpertoiredetravail1", QStringLiteral("répertoire de travail"),
                   [this] { rpertoiredetravail1Click(); });
    Pressepapier1 =
        makeAction(PopupMenu1, "Pressepapier1", QStringLiteral("Copie du &Presse papier"),
                   [this] { mclipbrd_click(); });
    Imprimante1 = makeAction(PopupMenu1, "Imprimante1", QStringLiteral("&Imprimante"),
                             [this] { Imprimante1Click(); });
    Impressionnoir_et_blanc1 =
        makeAction(PopupMenu1, "Impressionnoir_et_blanc1",
                   QStringLiteral("Impression &noir et blanc"), [this] { mimpneb_click(); });
    Impressioncouleurs1 =
        makeAction(PopupMenu1, "Impressioncouleurs1", QStringLiteral("Impression &couleurs"),
                   [this] { mimpcouleurs_click(); });
    Quitter1 = makeAction(PopupMenu1, "Quitter1", QStringLiteral("&Quitter"),
                          [this] { mquitter_click(); });
    // Loading and saving become available once the window is prepared.
    Charger0->setEnabled(false);
    Sauvegarder0->setEnabled(false);

    PopupMenu2 = newMenu("PopupMenu2");
    accscarte1 = makeAction(PopupMenu2, "accscarte1", QStringLiteral("accès carte"),
                            [this] { accscarte1Click(); });
    Texte11 = makeSubmenu(PopupMenu2, "Texte11", QStringLiteral("Texte_&1"));
    charger1 = makeAction(Texte11, "charger1", QStringLiteral("charger"),
                          [this] { mtextecharger_click(1); });
    sauvegarder1 = makeAction(Texte11, "sauvegarder1", QStringLiteral("sauvegarder"),
                              [this] { mtextesauvegarder_click(1); });
    texte21 = makeSubmenu(PopupMenu2, "texte21", QStringLiteral("Texte_&2"));
    charger2 = makeAction(texte21, "charger2", QStringLiteral("charger"),
                          [this] { mtextecharger_click(2); });
    sauvegarder2 = makeAction(texte21, "sauvegarder2", QStringLiteral("sauvegarder"),
                              [this] { mtextesauvegarder_click(2); });
    typedefichier1 = makeSubmenu(PopupMenu2, "typedefichier1", QStringLiteral("type de fichier"));
    encodingGroup = new QActionGroup(this);
    encodingGroup->setExclusive(true);
    ansicoding1 = makeAction(typedefichier1, "ansicoding1", QStringLiteral("encodé ansi"),
                             [this] { ansicoding1Click(); });
    utf8coding1 = makeAction(typedefichier1, "utf8coding1", QStringLiteral("encodé utf8"),
                             [this] { utf8coding1Click(); });
    unicodecoding1 = makeAction(typedefichier1, "unicodecoding1", QStringLiteral("encodé unicode"),
                                [this] { unicodecoding1Click(); });
    for (QAction *item : {ansicoding1, utf8coding1, unicodecoding1}) {
        item->setCheckable(true);
        encodingGroup->addAction(item);
    }
    ansicoding1->setChecked(true);
    Icone1 = makeAction(PopupMenu2, "Icone1", QStringLiteral("&Icone"), [this] { micone_click(); });
    Motif1 = makeAction(PopupMenu2, "Motif1", QStringLiteral("&Motif"), [this] { mmotif_click(); });

    PopupMenu3 = newMenu("PopupMenu3");
    Assistance1 = makeAction(PopupMenu3, "Assistance1", QStringLiteral("&Assistance"),
                             [this] { massistance_click(); });
    Apropos1 = makeAction(PopupMenu3, "Apropos1", QStringLiteral("A &propos"),
                          [this] { mpropos_click(); });
    Associationdesfichiers1 = makeAction(PopupMenu3, "Associationdesfichiers1",
                                         QStringLiteral("Association des fichiers "),
                                         [this] { Associationdesfichiers1Click(); });
    MenuItem2 = makeSubmenu(PopupMenu3, "MenuItem2", QStringLiteral("Language"));
    // This submenu switches the language like the one of the "contrôle"
    // panel: a language menu that does nothing would only puzzle users.
    MenuItem3 = makeAction(MenuItem2, "MenuItem3", QStringLiteral("Français"),
                           [this] { francais1Click(); });
    MenuItem4 =
        makeAction(MenuItem2, "MenuItem4", QStringLiteral("Anglais"), [this] { anglais1Click(); });
    MenuItem5 = makeAction(MenuItem2, "MenuItem5", QStringLiteral("Allemand"),
                           [this] { allemand1Click(); });

    PopupMenu4 = newMenu("PopupMenu4");
    audit1 = makeAction(PopupMenu4, "audit1", QStringLiteral("audit "), [this] { detectimpr(); });
    testimp1 = makeAction(PopupMenu4, "testimp1", QStringLiteral("test impression"),
                          [this] { testimpr(); });
    options1 = makeSubmenu(PopupMenu4, "options1", QStringLiteral("options"));
    polices1 =
        makeAction(options1, "polices1", QStringLiteral("polices"), [this] { polices1Click(); });
    language1 = makeSubmenu(PopupMenu4, "language1", QStringLiteral("language"));
    francais1 = makeAction(language1, "francais1", QStringLiteral("français"),
                           [this] { francais1Click(); });
    anglais1 =
        makeAction(language1, "anglais1", QStringLiteral("anglais"), [this] { anglais1Click(); });
    allemand1 = makeAction(language1, "allemand1", QStringLiteral("allemand"),
                           [this] { allemand1Click(); });

    PopupMenu5 = newMenu("PopupMenu5");
    Editer1 =
        makeAction(PopupMenu5, "Editer1", QStringLiteral("Editer"), [this] { edit_minicv(); });
    Imprimer1 = makeAction(PopupMenu5, "Imprimer1", QStringLiteral("Imprimer"),
                           [this] { Imprimer1Click(); });
    Sauvegarder3 = makeAction(PopupMenu5, "Sauvegarder3", QStringLiteral("Sauvegarder"),
                              [this] { Sauvegarder3Click(); });
    Charger3 =
        makeAction(PopupMenu5, "Charger3", QStringLiteral("Charger"), [this] { Charger3Click(); });
}

QList<CommandPanel *> Tfrmmain::commandPanels() const
{
    return {Panel1, Panel2, Panel3, Panel4, Panel5};
}

// ---- Modal run

int Tfrmmain::showModal()
{
    result = 0;
    show();
    QEventLoop eventLoop;
    loop = &eventLoop;
    if (result == 0 && isVisible())
        eventLoop.exec();
    loop = nullptr;
    return result;
}

void Tfrmmain::setModalResult(int value)
{
    result = value;
    if (loop && value != 0)
        loop->quit();
}

// ---- Window events

void Tfrmmain::formload()
{
    // Nothing of the frames' window styles is saved yet: the preview keeps
    // them when it first makes a frame transparent. The font dialog always
    // offers colour, underline and strike-out.
}

void Tfrmmain::postload()
{
    AppWindows &windows = appWindows();
    CardModel &card = cardModel();
    ProgramState &state = programState();

    if (hasCommandLineArgument() && windows.Form1)
        windows.Form1->hide();

    card.screenResolution = screenPixelsPerInch();

    if (const auto dpi = printerService().resolution()) {
        printerMetrics().scaleX = double(dpi->width()) / card.screenResolution;
        printerMetrics().scaleY = double(dpi->height()) / card.screenResolution;
        state.printerPresent = QStringLiteral("o");
    } else {
        Impressioncouleurs1->setEnabled(false);
        Impressionnoir_et_blanc1->setEnabled(false);
        Imprimante1->setEnabled(false);
        state.printerPresent = QStringLiteral("n");
        dialogs().showMessage(MessageKind::Warning, message(1131), MessageButton::Ok, 9);
    }

    readStartDirectories();

    fillSideStrip();

    for (QAction *item : {Sauvegarder0, Charger0, accscarte1, sauvegarder1, sauvegarder2, Charger3,
                          options1->menuAction(), Associationdesfichiers1})
        item->setEnabled(true);
    audit1->setEnabled(true);
    button2->setEnabled(true);
    Sauvegarder3->setEnabled(false);
    Imprimer1->setEnabled(false);

    CheckBox2->setEnabled(false);
    CheckBox3->setEnabled(false);

    tb1->setRange(1, 100);

    const QSize screen = screenSize();
    move(roundEven((screen.width() - width()) / 2.0),
         roundEven((screen.height() - height()) / 2.0));

    fillComboLists(*this);

    if (!card.hasContent)
        audit1->setEnabled(false);

    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(0xFFCDC0));
    setPalette(p);
    setAutoFillBackground(true);

    card.fillStyle = FillStyle::Fill;
    card.patternMode = PatternMode::Dim;
    card.iconFile.clear();
    card.patternFile.clear();

    Application::setUnhandledErrorHandler(onExceptionHandler);

    if (state.printerChosen != 'o')
        restrictPrintingToChosenPrinter(this);

    if (windows.Form1) {
        const QSize iconBox = windows.Form1->Image1->size();
        Image1->resize(iconBox);
        Image2->resize(iconBox);
    }
}

void Tfrmmain::fillSideStrip()
{
    sideStrip->clear();
    QPalette p = sideStrip->palette();
    p.setColor(QPalette::Base, toQColor(0x80C0FF));
    sideStrip->setPalette(p);
    QFont font = sideStrip->font();
    font.setPointSize(20);
    font.setBold(true);
    font.setItalic(true);
    sideStrip->setFont(font);
    sideStrip->setTextColor(toQColor(0x800080));
    QStringList lines{QString()};
    for (const QChar letter : QStringLiteral("VOKIRA"))
        lines << QStringLiteral("     ") + letter << QString();
    lines << QString();
    sideStrip->setPlainText(lines.join(QLatin1Char('\n')));
}

void Tfrmmain::form2show()
{
    if (programState().quitRequested == 'o')
        return;
    QWidget *group1 = nullptr;
    for (QObject *child : children())
        if (child->isWidgetType() && child->objectName().toLower() == QLatin1String("groupbox1"))
            group1 = static_cast<QWidget *>(child);
    if (!group1)
        return;
    QWidget *group6 = nullptr;
    for (QObject *child : group1->children())
        if (child->isWidgetType() && child->objectName().toLower() == QLatin1String("groupbox6"))
            group6 = static_cast<QWidget *>(child);
    if (!group6)
        return;
    for (QObject *child : group6->children()) {
        if (!child->isWidgetType())
            continue;
        auto *control = static_cast<QWidget *>(child);
        const QRect design = designGeometry(control);
        const int top = design.top() - 45;
        moveControlTo(control, design.left(), top > 0 ? top : 0);
    }
}

bool Tfrmmain::formclose()
{
    if (programState().cardAccessCount != 0) {
        hide();
        return true;
    }
    deleteTemporaryFiles();
    if (!previewState().previewReleased && appWindows().Form1)
        appWindows().Form1->close();
    return true;
}

void Tfrmmain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        form2show();
}

void Tfrmmain::closeEvent(QCloseEvent *event)
{
    formclose();
    event->accept();
    // Closing the window ends its modal run, as a close box does.
    if (result == 0)
        setModalResult(2);
}

void Tfrmmain::mouseMoveEvent(QMouseEvent *event)
{
    // Only the window's own surface counts, not the controls on it.
    if (!childAt(event->position().toPoint()))
        onform2move();
    QWidget::mouseMoveEvent(event);
}

bool Tfrmmain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease: {
        // The entry fields act on Enter only.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            if (const auto handler = keyUpHandlers.value(watched))
                (this->*handler)();
        break;
    }
    case QEvent::MouseMove:
        if (auto *button = qobject_cast<QPushButton *>(watched))
            button_mousemove(button);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == GroupBox1)
            GroupBox1Click();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrmmain::onform2move()
{
    ProgramState &state = programState();
    state.pointerOverPanel = false;
    if (state.panelHighlighted) {
        for (CommandPanel *panel : commandPanels())
            if (panel->colour() == kPanelGreen)
                panel->setColour(palette().color(QPalette::Button));
        state.panelHighlighted = false;
    }
}

void Tfrmmain::onpanelmmove(QWidget *sender)
{
    ProgramState &state = programState();
    state.pointerOverPanel = true;
    auto *panel = qobject_cast<CommandPanel *>(sender);
    if (!panel)
        return;
    for (CommandPanel *other : commandPanels())
        if (other->colour() == kPanelGreen)
            other->setColour(palette().color(QPalette::Button));
    panel->setColour(kPanelGreen);
    state.panelHighlighted = true;
}

void Tfrmmain::button_mousemove(QWidget *sender)
{
    if (sender && sender->focusPolicy() != Qt::NoFocus)
        sender->setFocus(Qt::MouseFocusReason);
}

void Tfrmmain::GroupBox1Click() {}

QPoint Tfrmmain::popupPoint(const CommandPanel *panel) const
{
    const QRect design = designGeometry(panel);
    const QRect frame = frameGeometry();
    const QRect group = designGeometry(GroupBox1);
    const int border = frame.height() - height();
    return QPoint(design.left() + frame.left() + group.left(),
                  design.top() + design.height() + frame.top() + group.top() + border);
}

void Tfrmmain::popup(QMenu *menu, const QPoint &at)
{
    popupAt = at;
    popupShown = menu;
    menu->popup(at);
}

void Tfrmmain::onpanelclick(CommandPanel *sender)
{
    QMenu *menus[] = {PopupMenu1, PopupMenu2, PopupMenu3, PopupMenu4, PopupMenu5};
    const int tag = sender->tag();
    if (tag < 1 || tag > 5)
        return;
    popup(menus[tag - 1], popupPoint(sender));
}

// ---- Commands of this window

void Tfrmmain::mquitter_click()
{
    previewState().okCount = 0;
    programState().quitRequested = 'o';
    setModalResult(1);
    if (appWindows().Form1)
        appWindows().Form1->close();
    closeAllWindows();
}

void Tfrmmain::francais1Click()
{
    programState().currentLanguage = QStringLiteral("fr");
    applyLanguageToMainWindow(*this, programState().currentLanguage);
}

void Tfrmmain::anglais1Click()
{
    programState().currentLanguage = QStringLiteral("en");
    applyLanguageToMainWindow(*this, programState().currentLanguage);
}

void Tfrmmain::allemand1Click()
{
    programState().currentLanguage = QStringLiteral("de");
    applyLanguageToMainWindow(*this, programState().currentLanguage);
}
