// named.h -- a table's entry found by its name.
#pragma once

#include <cstddef>
#include <string>

// The entry of `table` named `name`, or null: how each table of names (the
// script's words, the state line's fields, the options) is searched.
template <typename Entry, std::size_t N>
const Entry* Named(const Entry (&table)[N], const std::string& name) {
    for (const Entry& entry : table) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}
