#pragma once

#include <QLabel>
#include <QRandomGenerator>

// The advert picture of the main menu, replaced every five seconds by a random picture from
// "adds" ("adds/a0.png" .. "adds/a<n-1>.png").
class Adverts {
public:
    explicit Adverts(QLabel *advert);

    // Entries of "adds" that are not directories; 0 when the folder is missing. No cache.
    static int Countadds();

    // One tick of Timer2. A picture that cannot be loaded keeps the current one, silently.
    void Timer2Timer();

    // The generator is seeded from the clock once; tests may seed it.
    QRandomGenerator &generator() { return m_random; }

private:
    QLabel *m_advert;
    QRandomGenerator m_random;
};
