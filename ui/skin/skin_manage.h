#pragma once
// The process-wide skin manager: the registered skin components and the
// command the runtime's timer is to run next. The hook, the skinned windows
// and the timer itself belong to the Win32 runtime, which derives from this
// class and is made by the factory it installs at program start.
#include <memory>
#include <vector>

class TSkinData;

enum TManagerCommand : int {
    MC_NONE = 0, MC_START = 1, MC_STOP = 2, MC_SKINCHANGED = 3, MC_PURGE = 6, MC_RESKIN = 7
};

class TSkinManage {
public:
    TSkinManage() = default;
    virtual ~TSkinManage() = default;
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Appends; the first sfMainform component becomes the main skin.
    void Register(TSkinData* data);
    // Also called by a component's destructor.
    virtual void Unregister(TSkinData* data);
    const std::vector<TSkinData*>& SkinDatas() const { return skinDatas_; }
    TSkinData* MainSkin() const { return mainSkin_; }

    // Records a command for the runtime's timer to run after delay ms. Before
    // the manager has started, start and stop only set the running flag.
    virtual void PostCommand(int command, int delayMs);
    // A registered component loaded a new skin.
    virtual void SkinDataChanged(TSkinData* data);
    // The runtime's part of a component's Loaded, after its registration.
    virtual void DataLoaded(TSkinData& data) {}
    // Active was set at run time.
    virtual void ActiveChanged(TSkinData& data) {}

    int ManagerState = 0;  // 0 not started, 1 running, 4 destroying
    bool Running = false;
    int ManagerCommand = MC_NONE;
    int CommandDelay = 0;
    TSkinData* CommandSkinData = nullptr;

private:
    std::vector<TSkinData*> skinDatas_;
    TSkinData* mainSkin_ = nullptr;
};

// The one manager of the process: null until the first component's Loaded.
TSkinManage* SkinManager();
// What EnsureSkinManager makes; a plain TSkinManage without one.
using TSkinManagerFactory = std::unique_ptr<TSkinManage> (*)();
void SetSkinManagerFactory(TSkinManagerFactory factory);
TSkinManage& EnsureSkinManager();
// At program end (and between tests).
void ReleaseSkinManager();
