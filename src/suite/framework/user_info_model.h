#pragma once

#include "brondel/console/host_components/user_info.h"

namespace suite {

// The user signed in to the host and the profile whose menu they see.
class UserInfoModel : public host::UserInfo {
public:
    UserInfoModel(QVariant userId, QVariant profileId) : userId_(std::move(userId)), profileId_(std::move(profileId)) {}

    QVariant userId() const override { return userId_; }
    QVariant profileId() const override { return profileId_; }

private:
    QVariant userId_;
    QVariant profileId_;
};

}  // namespace suite
