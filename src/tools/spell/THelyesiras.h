#pragma once
#include <QDialog>
#include <memory>

class PersonalWords;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class SpellChecker;
class SpellTarget;
class SpellWalk;

// The spell check window "Helyesírás-ellenőrzés": walks a table from a row
// to the end and round to it again, stopping at each unknown word with the
// word in its line and the dictionary's suggestions.
class THelyesiras : public QDialog {
    Q_OBJECT
public:
    explicit THelyesiras(QWidget *parent = nullptr);
    ~THelyesiras() override;

    struct Outcome {
        int replacements = 0;
        bool finished = false;  // walked to the end (not closed half-way)
    };
    // Runs one check modally; without an unknown word the window is not
    // shown at all.
    Outcome run(SpellChecker &checker, SpellTarget &target, int startRow, PersonalWords &list);

    void BcsereClick();
    void BmindetClick();
    void BkihagyClick();
    void BkihagyallClick();
    void BszotarClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void advance();
    void showFinding();

    SpellChecker *checker_ = nullptr;
    SpellTarget *target_ = nullptr;
    PersonalWords *list_ = nullptr;
    std::unique_ptr<SpellWalk> walk_;
    Outcome outcome_;

    QLabel *Lsor;
    QTextEdit *Msor;
    QLineEdit *Emire;
    QListWidget *LBjavaslat;
    QPushButton *Bcsere;
    QPushButton *Bmindet;
    QPushButton *Bkihagy;
    QPushButton *Bkihagyall;
    QPushButton *Bszotar;
    QPushButton *Bbezar;
};
