#pragma once

#include <QByteArray>
#include <QObject>
#include <QWidget>
#include <QtTest>

// The control under `parent` with the object name `name`. A missing control fails the test and
// stops it there, since every later step would only act on nothing.
template <class T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found) {
        const QByteArray what = QByteArray("no ") + T::staticMetaObject.className() + " named " + name.toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
        qFatal("%s", what.constData());
    }
    return found;
}

template <class T = QWidget>
T *child(const QObject *parent, const char *name)
{
    return child<T>(parent, QString::fromLatin1(name));
}

// A left press and release in the middle of a control, as the learner's mouse gives them.
inline void clickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
