// Binds Windows handles of one kind (windows, device contexts, GDI objects,
// menus, image lists) to the class-library objects that wrap them.
//
// A permanent object is one the program made and attached; it is found by its
// handle until it is detached. A handle that has no permanent object gets a
// temporary object on request, made by the map's factory; temporary objects
// live until the thread's next idle time (CHandleMapBase::DeleteAllTemp), so
// a pointer returned by FromHandle must not be kept beyond the current message.
// Each thread has its own maps; a thread that asks for temporary objects runs
// idle processing before it ends.
#pragma once

#include <unordered_map>
#include <utility>

class CHandleMapBase {
 public:
  CHandleMapBase() {
    m_pNext = Head();
    Head() = this;
  }
  virtual ~CHandleMapBase() {
    for (CHandleMapBase** pp = &Head(); *pp != nullptr; pp = &(*pp)->m_pNext) {
      if (*pp == this) {
        *pp = m_pNext;
        break;
      }
    }
  }
  CHandleMapBase(const CHandleMapBase&) = delete;
  CHandleMapBase& operator=(const CHandleMapBase&) = delete;

  // Deletes this map's temporary objects.
  virtual void DeleteTemp() = 0;

  // Deletes the temporary objects of every map of the calling thread; the
  // application does this when it goes idle.
  static void DeleteAllTemp() {
    for (CHandleMapBase* p = Head(); p != nullptr; p = p->m_pNext) p->DeleteTemp();
  }

 private:
  static CHandleMapBase*& Head() {
    thread_local CHandleMapBase* head = nullptr;
    return head;
  }
  CHandleMapBase* m_pNext = nullptr;
};

// TObject wraps THandle. The factory makes a temporary object already bound to
// a handle; the releaser unbinds a temporary object before it is deleted, so
// deleting it leaves the handle itself alone.
template <class TObject, class THandle>
class CHandleMap : public CHandleMapBase {
 public:
  using Factory = TObject* (*)(THandle);
  using Releaser = void (*)(TObject*);

  CHandleMap(Factory pfnCreate, Releaser pfnRelease)
      : m_pfnCreate(pfnCreate), m_pfnRelease(pfnRelease) {}
  ~CHandleMap() override { DeleteTemp(); }

  void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }
  void RemovePermanent(THandle h) { m_permanent.erase(h); }

  TObject* LookupPermanent(THandle h) const { return Find(m_permanent, h); }
  TObject* LookupTemporary(THandle h) const { return Find(m_temporary, h); }

  // The permanent object of a handle, else its temporary object (made now if
  // needed); nullptr for a null handle.
  TObject* FromHandle(THandle h) {
    if (h == THandle()) return nullptr;
    if (TObject* p = LookupPermanent(h)) return p;
    if (TObject* p = LookupTemporary(h)) return p;
    TObject* p = m_pfnCreate(h);
    m_temporary[h] = p;
    return p;
  }

  void DeleteTemp() override {
    // Swapped out first: a destructor may ask this map again.
    std::unordered_map<THandle, TObject*> doomed;
    doomed.swap(m_temporary);
    for (auto& entry : doomed) {
      m_pfnRelease(entry.second);
      delete entry.second;
    }
  }

 private:
  static TObject* Find(const std::unordered_map<THandle, TObject*>& map, THandle h) {
    auto it = map.find(h);
    return it == map.end() ? nullptr : it->second;
  }

  Factory m_pfnCreate;
  Releaser m_pfnRelease;
  std::unordered_map<THandle, TObject*> m_permanent;
  std::unordered_map<THandle, TObject*> m_temporary;
};

// The calling thread's map for one kind of object, made on first use, e.g.
//   CHandleMap<CMenu, HMENU>& MenuMap() { return AfxHandleMap<CMenu, HMENU>(create, release); }
// The factory and releaser of the first call are the map's. Keep no reference
// to it in a static: another thread has another map.
template <class TObject, class THandle>
CHandleMap<TObject, THandle>& AfxHandleMap(
    typename CHandleMap<TObject, THandle>::Factory pfnCreate,
    typename CHandleMap<TObject, THandle>::Releaser pfnRelease) {
  // Never destroyed: thread-local objects go before static ones at exit, and a
  // static CFont or CMenu still unbinds itself from its map in its destructor.
  thread_local auto* map = new CHandleMap<TObject, THandle>(pfnCreate, pfnRelease);
  return *map;
}
