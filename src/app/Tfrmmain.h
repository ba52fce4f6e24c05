#pragma once

#include <QHash>
#include <QPoint>
#include <QWidget>

#include <functional>

class CommandPanel;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QEventLoop;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTextEdit;
class VGroupBox;
enum class FrameField;

// The main window: the card's entry fields in four group boxes and the five
// command panels whose popup menus carry every command of the program.
class Tfrmmain : public QWidget
{
    Q_OBJECT

public:
    explicit Tfrmmain(QWidget *parent = nullptr);
    ~Tfrmmain() override;

    // The window's modal run: shows it and returns when a command ends the
    // run or the window is closed.
    int showModal();
    void setModalResult(int result);
    int modalResult() const { return result; }
    bool inModalRun() const { return loop != nullptr; }

    // The main window's initialisation at start.
    void postload();

    // Where a command panel opens its menu, in screen coordinates.
    QPoint popupPoint(const CommandPanel *panel) const;
    // The point at which the last popup menu was opened.
    QPoint lastPopupPoint() const { return popupAt; }
    QMenu *lastPopupMenu() const { return popupShown; }

    QList<CommandPanel *> commandPanels() const;

    // Beside the preview while it is shown.
    void placeMainWindow();

    // Frame 1 (CADRE 1)
    VGroupBox *GroupBox5 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QComboBox *ComboBox14 = nullptr;
    QComboBox *ComboBox7 = nullptr;
    QComboBox *ComboBox5 = nullptr;
    QPushButton *Button13 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button11 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    // Frame 2 (CADRE 2)
    VGroupBox *GroupBox4 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QComboBox *ComboBox4 = nullptr;
    QComboBox *ComboBox15 = nullptr;
    QComboBox *ComboBox8 = nullptr;
    QComboBox *ComboBox6 = nullptr;
    QComboBox *ComboBox13 = nullptr;
    QPushButton *Button14 = nullptr;
    QPushButton *Button10 = nullptr;
    QPushButton *Button12 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label7 = nullptr;
    // Card (CARTE)
    VGroupBox *GroupBox3 = nullptr;
    QComboBox *ComboBox18 = nullptr;
    QComboBox *ComboBox19 = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QComboBox *ComboBox16 = nullptr;
    QComboBox *ComboBox20 = nullptr;
    QComboBox *ComboBox12 = nullptr;
    QSlider *tb1 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button15 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    // Icon (ICONE)
    VGroupBox *GroupBox2 = nullptr;
    QComboBox *ComboBox9 = nullptr;
    QComboBox *ComboBox10 = nullptr;
    QComboBox *ComboBox17 = nullptr;
    QComboBox *ComboBox11 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    // Below the group boxes
    QPushButton *Button1 = nullptr;
    QPushButton *Button17 = nullptr;
    QPushButton *button2 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QCheckBox *CheckBox9 = nullptr;
    VGroupBox *GroupBox1 = nullptr;
    VGroupBox *GroupBox6 = nullptr;
    CommandPanel *Panel1 = nullptr;
    CommandPanel *Panel2 = nullptr;
    CommandPanel *Panel3 = nullptr;
    CommandPanel *Panel4 = nullptr;
    CommandPanel *Panel5 = nullptr;
    QTextEdit *sideStrip = nullptr;

    // Popup menus and their items
    QMenu *PopupMenu1 = nullptr;
    QAction *Charger0 = nullptr;
    QAction *Sauvegarder0 = nullptr;
    QAction *rpertoiredetravail1 = nullptr;
    QAction *Pressepapier1 = nullptr;
    QAction *Imprimante1 = nullptr;
    QAction *Impressionnoir_et_blanc1 = nullptr;
    QAction *Impressioncouleurs1 = nullptr;
    QAction *Quitter1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    QAction *accscarte1 = nullptr;
    QMenu *Texte11 = nullptr;
    QAction *charger1 = nullptr;
    QAction *sauvegarder1 = nullptr;
    QMenu *texte21 = nullptr;
    QAction *charger2 = nullptr;
    QAction *sauvegarder2 = nullptr;
    QMenu *typedefichier1 = nullptr;
    QActionGroup *encodingGroup = nullptr;
    QAction *ansicoding1 = nullptr;
    QAction *utf8coding1 = nullptr;
    QAction *unicodecoding1 = nullptr;
    QAction *Icone1 = nullptr;
    QAction *Motif1 = nullptr;
    QMenu *PopupMenu3 = nullptr;
    QAction *Assistance1 = nullptr;
    QAction *Apropos1 = nullptr;
    QAction *Associationdesfichiers1 = nullptr;
    QMenu *MenuItem2 = nullptr;
    QAction *MenuItem3 = nullptr;
    QAction *MenuItem4 = nullptr;
    QAction *MenuItem5 = nullptr;
    QMenu *PopupMenu4 = nullptr;
    QAction *audit1 = nullptr;
    QAction *testimp1 = nullptr;
    QMenu *options1 = nullptr;
    QAction *polices1 = nullptr;
    QMenu *language1 = nullptr;
    QAction *francais1 = nullptr;
    QAction *anglais1 = nullptr;
    QAction *allemand1 = nullptr;
    QMenu *PopupMenu5 = nullptr;
    QAction *Editer1 = nullptr;
    QAction *Imprimer1 = nullptr;
    QAction *Sauvegarder3 = nullptr;
    QAction *Charger3 = nullptr;

    // Handlers of the window's events
    void formload();
    void form2show();
    bool formclose();
    void onform2move();
    void onpanelclick(CommandPanel *sender);
    void onpanelmmove(QWidget *sender);
    void button_mousemove(QWidget *sender);
    void GroupBox1Click();

    // Commands of the window. Those of later steps are filled in by them.
    void form1see();
    void Button17Click();
    void clipClick();
    void combobox1keyup();
    void combobox2keyup();
    void combobox3keyup();
    void combobox4keyup();
    void combobox14_keyup();
    void combobox15_keyup();
    void combobox7keyup();
    void combobox8keyup();
    void combobox5keyup();
    void combobox6keyup();
    void combobox13keyup();
    void Button13Click();
    void Button14Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void combobox18keyup();
    void combobox19keyup();
    void CheckBox5Change();
    void CheckBox6Change();
    void ComboBox16Change();
    void combobox20keyup();
    void combobox12keyup();
    void tb1_change();
    void Button3Click();
    void Button15Click();
    void CheckBox1Click();
    void checkbox4_click();
    void combobox9keyup();
    void combobox10keyup();
    void combobox17keyup();
    void combobox11keyup();
    void CheckBox7Change();
    void CheckBox8Change();

    void mcharger_click();
    void msauvegarder_click();
    void rpertoiredetravail1Click();
    void mclipbrd_click();
    void Imprimante1Click();
    void mimpneb_click();
    void mimpcouleurs_click();
    void mquitter_click();
    void accscarte1Click();
    void mtextecharger_click(int frame);
    void mtextesauvegarder_click(int frame);
    void ansicoding1Click();
    void utf8coding1Click();
    void unicodecoding1Click();
    void micone_click();
    void mmotif_click();
    void massistance_click();
    void mpropos_click();
    void Associationdesfichiers1Click();
    void detectimpr();
    void testimpr();
    void polices1Click();
    void francais1Click();
    void anglais1Click();
    void allemand1Click();
    void edit_minicv();
    void Imprimer1Click();
    void Sauvegarder3Click();
    void Charger3Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildFrameGroups();
    void buildCardGroup();
    void buildIconGroup();
    void buildButtonsAndPanels();
    void buildMenus();
    QComboBox *makeCombo(QWidget *parent, const char *name, const QString &text, int left, int top,
                         int width, void (Tfrmmain::*keyUp)());
    QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, int left,
                            int top, int width, int height, void (Tfrmmain::*click)(),
                            bool focusOnHover);
    QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &text, int left, int top,
                         int width);
    QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top,
                      int width, int height);
    QAction *makeAction(QMenu *menu, const char *name, const QString &text,
                        std::function<void()> handler);
    QMenu *makeSubmenu(QMenu *menu, const char *name, const QString &text);
    void fillSideStrip();
    void frameEntry(int frame, FrameField field, QComboBox *combo);
    void cardEntry(bool largeur, QComboBox *combo);
    void iconEntry(int which, QComboBox *combo);
    bool cardEntriesInLandscape() const;
    void afterFrameOrCardChange();
    void popup(QMenu *menu, const QPoint &at);

    QHash<QObject *, void (Tfrmmain::*)()> keyUpHandlers;
    QEventLoop *loop = nullptr;
    int result = 0;
    QPoint popupAt;
    QMenu *popupShown = nullptr;
};
