// An ordered text-to-text map: entries keep the order in which their keys
// were first stored, which is the order a form or a header list is written
// out in. Meant for a handful of entries, so look-up is a linear scan.
#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

namespace platform {

class Dictionary {
public:
    // Stores `value` under `key`. A key already present keeps its place and
    // takes the new value; a new key goes to the end.
    void SetValue(const QByteArray& key, const QByteArray& value) {
        for (auto& entry : entries_) {
            if (entry.first == key) {
                entry.second = value;
                return;
            }
        }
        entries_.append({key, value});
    }

    bool HasKey(const QByteArray& key) const { return IndexOf(key) >= 0; }

    // The value under `key`, or the empty text when there is none.
    QByteArray Value(const QByteArray& key) const {
        const qsizetype at = IndexOf(key);
        return at < 0 ? QByteArray() : entries_[at].second;
    }

    qsizetype Count() const { return entries_.size(); }

    // Key and value of entry `index` (from 0, in storing order); `index` must
    // be below Count().
    const QByteArray& Key(qsizetype index) const { return entries_[index].first; }
    const QByteArray& ValueAt(qsizetype index) const { return entries_[index].second; }

private:
    qsizetype IndexOf(const QByteArray& key) const {
        for (qsizetype i = 0; i < entries_.size(); ++i) {
            if (entries_[i].first == key) return i;
        }
        return -1;
    }

    QList<std::pair<QByteArray, QByteArray>> entries_;
};

}  // namespace platform
