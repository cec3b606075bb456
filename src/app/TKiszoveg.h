#pragma once
#include <QDialog>

#include "app/MessageBox.h"

class QLabel;
class QPushButton;

// The message and question box. Installed as the message presenter: it
// lays the box out for each message, shows it modally and reports which
// button closed it; showMessageBox turns that into boxAnswer.
class TKiszoveg : public QDialog, public MessagePresenter {
    Q_OBJECT
public:
    explicit TKiszoveg(QWidget *parent = nullptr);

    BoxButton present(const MessageRequest &request) override;
    void presentPlain(const QString &text) override;

    const MessageBoxLayout &currentLayout() const { return layout_; }

public slots:
    void reject() override;

private:
    void applyLayout();
    void finish(BoxButton button);

    QLabel *infoI_, *kerdesI_, *hibaI_;
    QLabel *szoveg_, *szoveg2_;
    QPushButton *bok_, *bigen_, *bnem_, *bmegsem_;
    MessageBoxLayout layout_;
    BoxButton pressed_ = BoxButton::Ok;
    bool busy_ = false;
};
