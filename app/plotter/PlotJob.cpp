#include "PlotJob.h"

#include "COrvantaDoc.h"
#include "Screen.h"

PlotJob PlotJob::fromDocument(const COrvantaDoc& document) {
    PlotJob job;
    job.settings = document.m_plot;
    job.region = PlotRegion{job.settings.xmin, job.settings.xmax, job.settings.ymin, job.settings.ymax};
    job.angle = document.m_mode;
    job.hiRes = Screen::HiRes();
    return job;
}
