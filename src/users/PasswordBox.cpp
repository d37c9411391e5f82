#include "PasswordBox.h"

#include <QLineEdit>

void MaskWithStars(QLineEdit &box)
{
    box.setEchoMode(QLineEdit::Password);
    // The style hint is the only per-widget way to pick the mask character.
    box.setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}
