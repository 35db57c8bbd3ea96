#include "framework/message_table.h"

const MessageEntry* MessageTable::Find(const MessageKey& key) const {
    for (const MessageTable* table = this; table != nullptr; table = table->base_) {
        for (std::size_t i = 0; i < table->count_; ++i) {
            if (table->entries_[i].key == key) {
                return &table->entries_[i];
            }
        }
    }
    return nullptr;
}
