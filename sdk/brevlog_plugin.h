// The logbook's plug-in interface: the context record a host hands to OmbexRun, the host objects reached
// through it, and the controls whose events a plug-in may chain into. Shared by the logbook (or a stand-in
// host) and zvk.dll.
//
// Binary rules, the same for every Windows C++ compiler:
// - Host objects are COM-style interfaces: pure virtual __stdcall methods in the declared order, no data,
//   no virtual destructor, no standard-library types.
// - An event slot is a method pointer: a code half and a data half. The code half is a __stdcall
//   function that takes the data half first, then the event's arguments in declared order, and returns an
//   HRESULT. Each slot is typed with its event's code half, so that a handler of another signature or
//   calling convention does not compile for 32-bit Windows, where conventions differ. A handler that fails
//   returns a failure status and leaves its message in the thread's COM error object (SetErrorInfo); whoever
//   dispatched the event decides what to do with it.
// - Host operations do not fail; a missing object is a null pointer.
// - Texts are Windows-1251. A text made for the caller is allocated with CoTaskMemAlloc and freed by the
//   caller with CoTaskMemFree; a name the host keeps is lent for the duration of the call.
#ifndef BREVLOG_PLUGIN_H
#define BREVLOG_PLUGIN_H

#include <windows.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C++" {
#endif

struct TObject; // any host or plug-in object; only passed through

struct TRect {
    int32_t Left, Top, Right, Bottom;
};

// TGridDrawState, one byte: which of these apply to the cell being drawn.
enum : uint8_t { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
typedef uint8_t TGridDrawState;

// TFontStyles, one byte.
enum : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
typedef uint8_t TFontStyles;

struct TField;

// Code halves of the two event types. The Sender of OnDrawDataCell is the drawing grid itself.
typedef HRESULT(__stdcall* TNotifyEventCode)(void* Self, TObject* Sender);
typedef HRESULT(__stdcall* TwwDrawDataCellEventCode)(void* Self, TObject* Sender, const TRect* Rect,
                                                     TField* Field, TGridDrawState State);

// A method pointer: the code half and the object it is called for, as two pointers. Empty when the code
// half is null.
template <class CodeHalf> struct TEventSlot {
    CodeHalf Code;
    void* Data;
};
typedef TEventSlot<TNotifyEventCode> TNotifyEvent;
typedef TEventSlot<TwwDrawDataCellEventCode> TwwDrawDataCellEvent;
static_assert(sizeof(TNotifyEvent) == 2 * sizeof(void*) && sizeof(TwwDrawDataCellEvent) == 2 * sizeof(void*),
              "a method pointer is two pointers");

struct TField {
    virtual const char* __stdcall FieldName() = 0; // lent
    virtual char* __stdcall AsString() = 0;        // CoTaskMemAlloc
};

// The surface a grid draws a cell on, possibly an off-screen buffer of the grid.
struct TCanvas {
    virtual HDC __stdcall Handle() = 0;
    virtual const char* __stdcall FontName() = 0; // lent
    virtual TFontStyles __stdcall FontStyle() = 0;
    virtual int32_t __stdcall FontSize() = 0; // points
    virtual COLORREF __stdcall FontColor() = 0;
};

struct TApplication {
    virtual HWND __stdcall Handle() = 0;
    virtual char* __stdcall Title() = 0; // CoTaskMemAlloc; the text of the application window
};

struct TwwDBGrid;
inline TwwDBGrid* AsGrid(TObject* sender) { return reinterpret_cast<TwwDBGrid*>(sender); }

struct TwwDBGrid {
    virtual TwwDrawDataCellEvent* __stdcall OnDrawDataCell() = 0; // the slot itself, read and written in
                                                                  // place
    virtual void __stdcall Repaint() = 0;
    virtual TCanvas* __stdcall Canvas() = 0;
};

struct TCustomEdit {
    virtual TNotifyEvent* __stdcall OnChange() = 0;
    virtual TNotifyEvent* __stdcall OnEnter() = 0;
    virtual TNotifyEvent* __stdcall OnExit() = 0;
    virtual char* __stdcall Text() = 0; // CoTaskMemAlloc
    virtual BOOL __stdcall Focused() = 0;
    virtual HWND __stdcall Handle() = 0;
};

struct THostEnvironment {
    virtual char* __stdcall GetPluginDataFolder() = 0; // CoTaskMemAlloc, no trailing backslash
};

struct THostMainWindow {
    virtual TApplication* __stdcall GetApplication() = 0;
    virtual void* __stdcall GetReserved() = 0; // not called by plug-ins
    virtual TwwDBGrid* __stdcall GetMainGrid() = 0;
};

struct THostEntryPanel {
    virtual TCustomEdit* __stdcall GetCallsignEdit() = 0;
};

struct THostSecondLog {
    virtual TwwDBGrid* __stdcall GetSecondGrid() = 0;
};

// Owned by the host; valid from the first OmbexRun until the plug-in is unloaded. In the 32-bit build the
// four references sit at byte offsets 0, 24, 28 and 60 of a 64-byte record.
struct TPluginContext {
    THostEnvironment* Environment;
    void* Reserved1[5];
    THostMainWindow* MainWindow;
    THostEntryPanel* EntryPanel; // may be null: no callsign box
    void* Reserved2[7];
    THostSecondLog* SecondLog; // may be null: no second log
};

// Filled by OmbexGetInfo. The host makes it at least 13 bytes long (32-bit build).
#pragma pack(push, 1)
struct TPluginInfo {
    const char* Name;
    const char* Copyright;
    const char* Description;
    uint8_t Flag;
};
#pragma pack(pop)

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(void*) == 4, "32-bit build");
static_assert(offsetof(TPluginContext, Environment) == 0, "Environment at 0");
static_assert(offsetof(TPluginContext, MainWindow) == 24, "MainWindow at 24");
static_assert(offsetof(TPluginContext, EntryPanel) == 28, "EntryPanel at 28");
static_assert(offsetof(TPluginContext, SecondLog) == 60, "SecondLog at 60");
static_assert(sizeof(TPluginContext) == 64, "context record of 64 bytes");
static_assert(offsetof(TPluginInfo, Flag) == 12 && sizeof(TPluginInfo) == 13, "info record of 13 bytes");
#endif

// The entry points, in ordinal order.
typedef void(__stdcall* OmbexShowOptionsDialogProc)(HWND Parent);
typedef int32_t(__stdcall* OmbexSendNotifyProc)(int32_t MsgType, int32_t Code);
typedef void(__stdcall* OmbexReleaseProc)(void);
typedef HWND(__stdcall* OmbexRunProc)(TPluginContext* Context, int32_t Reserved);
typedef void(__stdcall* OmbexGetInfoProc)(TPluginInfo* Info);
typedef int32_t(__stdcall* OmbexGetVersionProc)(void);

// Host notifications (type, code).
enum : int32_t {
    ntAttachCallsignEdit = 2, // code 1
    ntDetachCallsignEdit = 3, // code 1
    ntCheckCallsign = 4,      // code 23
};

#ifdef __cplusplus
}
#endif

#endif
