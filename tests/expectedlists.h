#ifndef EXPECTEDLISTS_H
#define EXPECTEDLISTS_H

#include <QStringList>

// The option lists as a user reads them, written out here independently of the
// program's tables.
namespace Expected {

inline QStringList numbers(int first, int last, int step = 1)
{
    QStringList list;
    for (int value = first; value <= last; value += step)
        list.append(QString::number(value));
    return list;
}

inline const QStringList List0{"352X240", "720X480", "960X480", "1280X720", "1920X1080", "2560X1440", "2560X1944"};
inline const QStringList List1{"800X600", "1024X768", "1280X1024", "1920X1080", "2560X1440", "2560X1600", "3840X2160"};
inline const QStringList List2{"800X600", "1024X768", "1280X720", "1280X1024", "1920X1080", "2560X1600", "3840X2160"};
inline const QStringList AllQualities{"128K", "256K",  "384K",  "512K",  "640K",  "768K", "896K", "1.0M",
                                      "1.5M", "2.0M",  "2.5M",  "3.0M",  "3.5M",  "4.0M", "4.5M", "5.0M",
                                      "5.5M", "6.0M",  "6.5M",  "7.0M",  "7.5M",  "8.0M", "8.5M", "9.0M",
                                      "9.5M", "10.0M", "10.5M", "11.0M", "11.5M", "12.0M"};

} // namespace Expected

#endif // EXPECTEDLISTS_H
