#include "ui/skin/skin_manage.h"

#include <algorithm>
#include <memory>

#include "ui/skin/skin_data.h"

namespace {
std::unique_ptr<TSkinManage> g_manager;
TSkinManagerFactory g_factory = nullptr;
}

void SetSkinManagerFactory(TSkinManagerFactory factory) { g_factory = factory; }

TSkinManage* SkinManager() { return g_manager.get(); }

TSkinManage& EnsureSkinManager()
{
    if (!g_manager)
        g_manager = g_factory ? g_factory() : std::make_unique<TSkinManage>();
    return *g_manager;
}

void ReleaseSkinManager() { g_manager.reset(); }

void TSkinManage::Register(TSkinData* data)
{
    if (!data || std::find(skinDatas_.begin(), skinDatas_.end(), data) != skinDatas_.end())
        return;
    skinDatas_.push_back(data);
    if (!mainSkin_ && data->SkinFormtype == TSkinFormType::sfMainform)
        mainSkin_ = data;
}

void TSkinManage::Unregister(TSkinData* data)
{
    skinDatas_.erase(std::remove(skinDatas_.begin(), skinDatas_.end(), data), skinDatas_.end());
    if (mainSkin_ == data) {
        mainSkin_ = nullptr;
        for (TSkinData* d : skinDatas_)
            if (d->SkinFormtype == TSkinFormType::sfMainform) {
                mainSkin_ = d;
                break;
            }
    }
    if (CommandSkinData == data)
        CommandSkinData = nullptr;
}

void TSkinManage::PostCommand(int command, int delayMs)
{
    ManagerCommand = command;
    CommandDelay = delayMs;
    if (ManagerState == 0 && (command == MC_START || command == MC_STOP))
        Running = command == MC_START;
}

void TSkinManage::SkinDataChanged(TSkinData* data)
{
    CommandSkinData = data;
    if (ManagerState == 1)
        PostCommand(MC_SKINCHANGED, 250);
}
