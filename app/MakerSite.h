// The maker's web address: the tasks pane's task, the about page's link and the update link open it.
#pragma once

#define KS_MAKER_SITE_URL L"http://www.velmo-software.example/"
