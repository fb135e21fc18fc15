// Inside the framework only: non-owning wrapper objects handed out by FromHandle, freed
// together when a message loop goes idle (AfxDeleteTempMaps).
#pragma once

#include <unordered_map>

template <class Handle, class Wrapper>
class CTempMap {
public:
    // The wrapper of h, made by make(h) the first time it is asked for.
    template <class Make>
    Wrapper* Get(Handle h, Make make)
    {
        auto& map = Map();
        auto it = map.find(h);
        if (it != map.end())
            return it->second;
        Wrapper* p = make(h);
        map.emplace(h, p);
        return p;
    }
    // release(p) makes p forget its handle before it is deleted.
    template <class Release>
    void Clear(Release release)
    {
        auto& map = Map();
        for (auto& entry : map) {
            release(entry.second);
            delete entry.second;
        }
        map.clear();
    }

private:
    // Never destroyed: wrappers may be asked for during static destruction.
    static std::unordered_map<Handle, Wrapper*>& Map()
    {
        static auto* map = new std::unordered_map<Handle, Wrapper*>;
        return *map;
    }
};
