// The run's memory of its reference lookups: the tables behind them do not change during a run, so
// each distinct key is read once per run, and the per-position reads come from one set-wise read
// per run. Outside a run nothing is remembered and every lookup reads afresh, as the lookups of
// the preview and of a single valuation expect.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <variant>

class TLookupCache {
public:
    //! The value remembered under key, or read()'s value, remembered while a run lasts.
    template <typename T, typename TRead> T Value(const std::string& key, TRead&& read) {
        if (!FOn)
            return read();
        if (const auto found = FValues.find(key); found != FValues.end())
            return std::get<T>(found->second);
        T value = read();
        FValues.emplace(key, value);
        return value;
    }

    //! The run's one table of type TTable, filled by load(table) at its first use in the run; a
    //! failed load leaves no table behind. Only inside a run.
    template <typename TTable, typename TLoad> const TTable& Table(TLoad&& load) {
        std::shared_ptr<void>& slot = FTables[std::type_index(typeid(TTable))];
        if (!slot) {
            auto table = std::make_shared<TTable>();
            load(*table);
            slot = std::move(table);
        }
        return *static_cast<const TTable*>(slot.get());
    }

    //! The run's one store of type T, empty at its first use in the run. Only inside a run.
    template <typename T> T& Store() {
        std::shared_ptr<void>& slot = FTables[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

    //! Whether a run is under way, so that lookups may read set-wise.
    bool On() const { return FOn; }

    //! The key of a lookup and its values; the separator cannot occur in a key's text.
    static std::string Key(std::initializer_list<std::string> parts);

    void Start();
    void Stop();

private:
    bool FOn = false;
    std::map<std::string, std::variant<bool, int, double, std::string>> FValues;
    std::map<std::type_index, std::shared_ptr<void>> FTables;
};

//! Remembers lookups from construction to destruction.
class TLookupCacheScope {
public:
    explicit TLookupCacheScope(TLookupCache& cache) : FCache(cache) { FCache.Start(); }
    ~TLookupCacheScope() { FCache.Stop(); }
    TLookupCacheScope(const TLookupCacheScope&) = delete;
    TLookupCacheScope& operator=(const TLookupCacheScope&) = delete;

private:
    TLookupCache& FCache;
};
