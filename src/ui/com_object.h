// The IUnknown part of the window's small COM objects (the data object and
// drop source of a drag, the drop target): one interface, a reference count
// on one thread, deleted with the last reference. Created with one reference.
#pragma once

#include <windows.h>

#include <unknwn.h>

template <class Interface>
class CComObject : public Interface {
public:
    virtual ~CComObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

private:
    ULONG references_ = 1;
};
