#pragma once

#include <QChar>
#include <QString>

class QWidget;

namespace sw::widgets {

// The key of a caption: the letter after its single "&" ("&Ajouter": 'a'),
// in lower case; null when it has none ("&&" is an ampersand shown).
QChar AcceleratorOf(const QString& caption);

// Gives every button, check box and label of a field under scope that has
// no key of its own the first free letter of one of its words, or else any
// free letter of it: Alt and that letter then clicks it or goes to its
// field. Keys already in captions, and those in taken, are left to them.
// Returns the keys taken once done, taken included, to give a scope whose
// controls show together with these.
QString GiveAccelerators(QWidget* scope, QString taken = {});

} // namespace sw::widgets
